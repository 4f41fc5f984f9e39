#pragma once

#include "Papy/Factory/FileFormat.h"
#include "Papy/Factory/FileHead.h"

#include <cstdint>
#include <optional>

// The replay formats: their ids, head tests and descriptors.
namespace Tessel::Papy {

namespace ReplayIds {
// Chunked replays (GPL, N4, N2003) begin with "RPLY" and the version that tells the games apart.
inline constexpr std::uint32_t replay = PackId("RPLY");
inline constexpr std::uint32_t firstN4Version = 3;
inline constexpr std::uint32_t n2003Version = 5;
// An N3 replay: a 16-byte header of the info block's size, the frame data's size, 0 and the
// driver count; the info block always takes 4061 bytes.
inline constexpr std::uint32_t n3HeaderSize = 16;
inline constexpr std::uint32_t n3InfoSize = 4061;
}  // namespace ReplayIds

// The version of a chunked replay; nothing when the head is not one.
std::optional<std::uint32_t> GetReplayVersion(const Util::RecordView& head);
// The N3 header's sizes add up to the file's size, as the N2 game tests it.
bool HasN3ReplaySizes(const Util::RecordView& head, std::uint64_t fileSize);

// A chunked replay of a version no game wrote is a GPL rpy: the one chunked reader reads every
// version and says what is wrong with it.
extern const FileFormat gplRpyFormat;
extern const FileFormat n4RpyFormat;     // versions 3 and 4
extern const FileFormat n2003RpyFormat;  // version 5
// An N3 replay: the info block's size, and header sizes that add up to the file's.
extern const FileFormat n3RplFormat;

}  // namespace Tessel::Papy
