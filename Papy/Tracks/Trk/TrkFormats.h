#pragma once

#include "Papy/Factory/FileFormat.h"
#include "Papy/Factory/FileHead.h"

#include <cstdint>

// The TRK track formats: their ids, head test and descriptors.
namespace Tessel::Papy {

namespace TrkIds {
// TRK files begin with "TRAK" and a version (GPL) or type (ICR2).
inline constexpr std::uint32_t track = PackId("TRAK");
inline constexpr std::uint32_t gplVersion = 3000;
inline constexpr std::uint32_t icr2Type = 1;
}  // namespace TrkIds

// "TRAK" followed by version (GPL TRK files) or type (ICR2 TRK files).
bool IsTrackHead(const Util::RecordView& head, std::uint32_t version);

extern const FileFormat gplTrkFormat;
extern const FileFormat icr2TrkFormat;

}  // namespace Tessel::Papy
