#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

// Writes DAT archives byte by byte from the format tables, for the samples, tests and fuzz seeds.
namespace Linewright::Samples {

struct DatEntry {
    std::string name;      // as stored: 8.3 for ICR2, with backslash folders for N4
    std::string contents;  // the unpacked bytes
    bool imploded = false; // N4 only: packed with PackLiterals
};

// Count, 27-byte records, then the contents in order.
std::string WriteICR2Dat(const std::vector<DatEntry>& entries);

// Header, variable-length records, then the (packed) contents in order.
std::string WriteN4Dat(const std::vector<DatEntry>& entries);

// Implode-format data in binary mode with a 4096-byte dictionary that holds every byte as a
// literal: the plainest well-formed packing.
std::string PackLiterals(const std::string& bytes);

// Appends value's size() bytes, lowest first.
template <class T>
void AppendLittleEndian(std::string& out, T value) {
    for (std::size_t i = 0; i < sizeof(T); ++i)
        out.push_back(static_cast<char>(static_cast<std::uint64_t>(value) >> (8 * i)));
}

// Appends the bytes of value as memory holds them (little-endian here), floats included.
template <class T>
void AppendRaw(std::string& out, T value) {
    char raw[sizeof value];
    std::memcpy(raw, &value, sizeof value);
    out.append(raw, sizeof value);
}

}  // namespace Linewright::Samples
