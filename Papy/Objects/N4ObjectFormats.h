#pragma once

#include "Papy/Factory/FileFormat.h"

#include <cstdint>
#include <string>

// The N4 object archive formats (.3do, .ptf): their ids, head tests and descriptors.
namespace Tessel::Papy {

namespace N4ObjectIds {
// An N4 object archive begins with its root's object number 1 and type number 2, then the
// type's name; a PTF track's root is of this type.
inline constexpr std::uint32_t rootObject = 1;
inline constexpr std::uint32_t rootType = 2;
inline constexpr const char* trackType = "TrackDescriptor";
}  // namespace N4ObjectIds

// An N4 object archive: root object 1 of type 2.
bool IsN4ObjectHead(const Util::RecordView& head);
// The name of an N4 object archive's root type; empty when the head does not hold it whole.
std::string GetN4RootTypeName(const Util::RecordView& head);

extern const FileFormat n4PtfFormat;  // an object archive whose root is a track
extern const FileFormat n4TdoFormat;  // any other object archive

}  // namespace Tessel::Papy
