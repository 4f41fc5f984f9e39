#pragma once

#include "Papy/Replays/ReplayFormats.h"
#include "Util/BinaryStream.h"
#include "Util/Exception.h"

#include <cstdint>
#include <string>

// Format notes of the chunked replay (GPL, N4, N2003), shared by GPLRpyFile and its
// GPLRpyFrameReader. Little-endian throughout. Every chunk has a 12-byte header: id (four
// characters, the first in the highest byte), version, payload size; payloads are padded to a
// multiple of 4 that the size does not count. The chunk tree, in file order:
//
//   RPLY  version 0-2 GPL, 3-4 N4, 5 N2003; only its header is read
//   RPHD  version 0 or 1; GPL layout (76 bytes): 16 unused, frame count, two header words,
//         unused, first and last name (16 each), three header values; N4 layout (60 or more):
//         frame count, two header words, a header value, the names, three header values, then
//         UTF-16 text up to its NUL
//   WKNF  the track name up to its NUL, in 181 (GPL), 171 (N4) or 173 (N2003) bytes
//   DRLS  DRNT chunks: names at 0 and 16, kept bytes 72-103, slot index and car number at
//         124 and 128 (GPL), 164 and 152 (N4), 168 and 156 (N2003)
//   LPTB  zero or more, each of LPRO chunks: a driver slot, then lap-end times (low 24 bits, ms)
//   RPTP  version = flags (0x20 float player samples, GPL only; 0x40 quarter millimetres);
//         the frames, each an 8-byte header (its size, the previous frame's size, unused) and
//         records of a 4-byte header (type, size) and a body padded to 4 bytes:
//
//   type 1, player sample (28 bytes GPL, 36 N4 and N2003):
//       word 0 bits 0-25 longitude, word 1 bits 0-19 lateral (signed, 20-bit quantizer),
//       word 2 bits 10-21 angle (signed 12 bits of pi/2047); floats at 16, 20, 24 with flag 0x20
//   type 3, car samples, 16 bytes a car:
//       GPL: word 1 bits 0-25 longitude, 26-31 slot; word 2 bits 0-15 lateral;
//            word 3 bits 7-18 angle
//       N4:  word 1 bits 0-23 longitude, 24-30 slot; word 3 bits 0-11 angle,
//            bits 12-28 lateral (17-bit quantizer)
//   type 13, session clock: word 0 bits 8-31 in hundredths of a second
//   other types are skipped
namespace Tessel::Papy::GPLRpyFormat {

inline constexpr std::uint32_t newestVersion = ReplayIds::n2003Version;
inline constexpr std::uint32_t firstN4Version = ReplayIds::firstN4Version;
inline constexpr std::uint32_t frameHeaderSize = 8;
inline constexpr std::uint32_t recordHeaderSize = 4;
inline constexpr std::uint32_t carEntrySize = 16;
inline constexpr std::uint32_t floatSamplesFlag = 0x20;
inline constexpr unsigned playerLateralBits = 20;
inline constexpr unsigned angleBits = 12;
inline constexpr double angleUnit = 0.0015347302;  // pi / 2047 radians
// A drop of a car's longitude from above the first to below the second is a start-line crossing.
inline constexpr double lapEndLongitude = 100.0;
inline constexpr double lapStartLongitude = 10.0;

enum RecordType : std::uint16_t { playerSample = 1, carSamples = 3, sessionClock = 13 };

// Bits of a lap mark while the frames are read.
enum LapFlag : std::uint32_t {
    carMissing = 1,
    carSeen = 2,
    beganAtLine = 4,
    endedAtLine = 8,
};

// What sets the three games apart, apart from the header layout.
struct GameLayout {
    const char* name;
    std::uint32_t trackRecordSize;
    std::uint32_t driverEntrySize;
    std::uint32_t slotOffset;
    std::uint32_t carNumberOffset;
    std::uint32_t playerSampleSize;
    // Car samples name slots in a field of this many values, so no driver slot lies beyond.
    std::uint32_t slotLimit;
    unsigned carLateralBits;
};

inline constexpr GameLayout gplLayout{"GPL", 181, 139, 124, 128, 28, 64, 16};
inline constexpr GameLayout n4Layout{"N4", 171, 171, 164, 152, 36, 128, 17};
inline constexpr GameLayout n2003Layout{"N2003", 173, 175, 168, 156, 36, 128, 17};

inline const GameLayout& LayoutOf(std::uint32_t version) {
    if (version < firstN4Version)
        return gplLayout;
    return version < newestVersion ? n4Layout : n2003Layout;
}

[[noreturn]] inline void Fail(const Util::BinaryStream& stream, const std::string& description) {
    throw Util::XFileFormat(stream.GetName(), description);
}

// A fault whose description names the game.
inline void Check(bool condition, const Util::BinaryStream& stream, const GameLayout& layout, const char* fault) {
    if (!condition)
        Fail(stream, layout.name + std::string(fault));
}

// The description is only made into a string on failure: frames are checked in a hot loop.
inline void Check(bool condition, const Util::BinaryStream& stream, const char* description) {
    if (!condition)
        Fail(stream, description);
}

inline std::uint32_t Padding(std::uint32_t size) {
    return (4 - size % 4) % 4;
}

inline std::int32_t SignExtend(std::uint32_t value, unsigned bits) {
    const std::uint32_t signBit = 1u << (bits - 1);
    return static_cast<std::int32_t>((value ^ signBit) - signBit);
}

inline std::uint32_t Bits(std::uint32_t word, unsigned first, unsigned count) {
    return (word >> first) & ((1u << count) - 1);
}

}  // namespace Tessel::Papy::GPLRpyFormat
