#pragma once

#include "Papy/Factory/StrictChecks.h"
#include "Util/BinaryStream.h"

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>

namespace Tessel::Papy {

// The bytes from the stream's position to its end.
inline std::string ReadRest(Util::BinaryStream& stream) {
    std::string bytes(stream.GetRemaining(), '\0');
    stream.Read(static_cast<std::uint32_t>(bytes.size()), bytes.data());
    return bytes;
}

// The words as little-endian bytes.
inline std::string Words(std::initializer_list<std::uint32_t> words) {
    std::string bytes;
    for (std::uint32_t word : words)
        bytes.append({static_cast<char>(word), static_cast<char>(word >> 8), static_cast<char>(word >> 16),
                      static_cast<char>(word >> 24)});
    return bytes;
}

// The bytes with the word at offset replaced.
inline std::string Patched(std::string bytes, std::size_t offset, std::uint32_t value) {
    return bytes.replace(offset, 4, Words({value}));
}

// Works in another folder for one scope.
struct WorkingFolderScope {
    explicit WorkingFolderScope(const std::filesystem::path& folder) { std::filesystem::current_path(folder); }
    ~WorkingFolderScope() { std::filesystem::current_path(previous); }
    const std::filesystem::path previous = std::filesystem::current_path();
};

// Turns strict checking on for one scope.
struct StrictScope {
    StrictScope() { SetStrictChecks(true); }
    ~StrictScope() { SetStrictChecks(false); }
};

}  // namespace Tessel::Papy
