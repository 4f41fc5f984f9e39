#pragma once

// The code tables that packing and unpacking share: the format's constants and its three
// canonical Huffman codes (literals in ASCII mode, copy lengths, copy distances).

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace Tessel::Papy::PkCompression {

inline constexpr unsigned BinaryMode = 0;
inline constexpr unsigned AsciiMode = 1;
inline constexpr unsigned MinDictionaryBits = 4;
inline constexpr unsigned MaxDictionaryBits = 6;
inline constexpr unsigned BinaryLiteralBits = 9;  // a 0 bit and the byte
inline constexpr unsigned ShortCopyLowBits = 2;  // a copy of length 2 reaches at most 256 bytes back
inline constexpr unsigned EndLength = 519;
inline constexpr unsigned MaxCopyLength = EndLength - 1;

// Format notes: each Huffman code is given as runs of code lengths, one byte per run, the low
// four bits the length and the high four bits one less than the number of symbols taking it.
// The codes are canonical (shorter codes first, equal lengths by symbol) and the stream holds
// each code inverted, its most significant bit first.
inline constexpr std::array<unsigned char, 98> LiteralRuns = {
    11, 124, 8, 7, 28, 7, 188, 13, 76, 4, 10, 8, 12, 10, 12, 10, 8, 23, 8, 9, 7, 6, 7, 8, 7,
    6, 55, 8, 23, 24, 12, 11, 7, 9, 11, 12, 6, 7, 22, 5, 7, 24, 6, 11, 9, 6, 7, 22, 7, 11, 38,
    7, 9, 8, 25, 11, 8, 11, 9, 12, 8, 12, 5, 38, 5, 38, 5, 11, 7, 5, 6, 21, 6, 10, 53, 8, 7,
    24, 10, 27, 44, 253, 253, 253, 252, 252, 252, 13, 12, 45, 12, 45, 12, 61, 12, 45, 44, 173};
inline constexpr std::array<unsigned char, 6> LengthRuns = {2, 35, 36, 53, 38, 23};
inline constexpr std::array<unsigned char, 7> DistanceRuns = {2, 20, 53, 230, 247, 151, 248};

// A copy's length is its length symbol's base plus that many extra bits.
inline constexpr std::array<std::uint16_t, 16> LengthBase = {3, 2, 4, 5, 6, 7, 8, 9, 10, 12, 16, 24, 40, 72, 136, 264};
inline constexpr std::array<std::uint8_t, 16> LengthExtraBits = {0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8};

// A code as it stands in the stream: its bits in reading order from the lowest up.
struct Code {
    std::uint16_t bits = 0;
    std::uint8_t length = 0;
};

template <std::size_t Symbols, std::size_t Runs>
constexpr std::array<Code, Symbols> MakeCodes(const std::array<unsigned char, Runs>& runs) {
    std::array<std::uint8_t, Symbols> lengths{};
    std::size_t symbol = 0;
    for (const unsigned char run : runs) {
        for (int repeat = (run >> 4) + 1; repeat > 0; --repeat)
            lengths.at(symbol++) = run & 15;
    }
    if (symbol != Symbols)
        throw "code length runs do not cover every symbol";
    std::array<Code, Symbols> codes{};
    unsigned next = 0;  // the canonical code of the next symbol of the current length
    for (unsigned length = 1; length <= 15; ++length, next <<= 1) {
        for (std::size_t s = 0; s < Symbols; ++s) {
            if (lengths[s] != length)
                continue;
            const unsigned inverted = ~next++ & ((1u << length) - 1);
            unsigned reversed = 0;
            for (unsigned bit = 0; bit < length; ++bit)
                reversed |= ((inverted >> (length - 1 - bit)) & 1u) << bit;
            codes[s] = {static_cast<std::uint16_t>(reversed), static_cast<std::uint8_t>(length)};
        }
    }
    return codes;
}

inline constexpr auto LiteralCodes = MakeCodes<256>(LiteralRuns);
inline constexpr auto LengthCodes = MakeCodes<16>(LengthRuns);
inline constexpr auto DistanceCodes = MakeCodes<64>(DistanceRuns);

struct CodeLengths {
    unsigned shortest;
    unsigned longest;
};

template <std::size_t Symbols>
constexpr CodeLengths LengthsOf(const std::array<Code, Symbols>& codes) {
    const auto [shortest, longest] =
        std::minmax_element(codes.begin(), codes.end(), [](Code a, Code b) { return a.length < b.length; });
    return {shortest->length, longest->length};
}

constexpr std::uint64_t LowBits(std::uint64_t value, unsigned count) {
    return value & ((std::uint64_t{1} << count) - 1);
}

}  // namespace Tessel::Papy::PkCompression
