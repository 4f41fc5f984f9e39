#pragma once

#include "Papy/Factory/StrictChecks.h"
#include "Util/BinaryStream.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace Tessel::Papy {

// The bytes from the stream's position to its end.
inline std::string ReadRest(Util::BinaryStream& stream) {
    std::string bytes(stream.GetRemaining(), '\0');
    stream.Read(static_cast<std::uint32_t>(bytes.size()), bytes.data());
    return bytes;
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
