#pragma once

#include "Papy/Factory/FileFormat.h"

#include <cstdint>

// The LP formats: their ids, head tests and descriptors.
namespace Tessel::Papy {

namespace LpIds {
// GPL and N4 LP files begin with a version (whose upper half both share) and the record count,
// then their records; ICR2 with its record count alone.
inline constexpr std::uint32_t gplVersion = 0x10002;
inline constexpr std::uint32_t n4Version = 0x10003;
inline constexpr std::uint32_t versionUpperHalf = 1;
inline constexpr std::uint32_t headerSize = 8;
inline constexpr std::uint32_t gplRecordSize = 20;
inline constexpr std::uint32_t n4RecordSize = 24;
inline constexpr std::uint32_t icr2RecordSize = 12;
}  // namespace LpIds

// A GPL or N4 LP file of the given version, long enough for its header.
bool IsLpHead(const Util::RecordView& head, std::uint32_t version);
// The layout of a GPL or N4 LP file with records of recordSize bytes: a version of the LP
// formats' upper half, whatever its lower half, and a record count that fills the file.
bool HasLpLayout(const Util::RecordView& head, std::uint64_t fileSize, std::uint32_t recordSize);

// An LP's layout tells its format before its version does, so that a damaged version reaches
// its own format's reader; only an empty table fits both layouts. A file that fits neither
// (cut short, or with bytes to spare) goes by its version.
extern const FileFormat gplLpFormat;
extern const FileFormat n4LpFormat;
// A record count of at least one (the closing record) that fills the file.
extern const FileFormat icr2LpFormat;

}  // namespace Tessel::Papy
