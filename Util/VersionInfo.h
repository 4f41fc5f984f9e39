#pragma once

#include <cstdint>

namespace Tessel::Util {

// The running program's version, compiled in from the build (major, minor, build, revision).
class VersionInfo {
public:
    struct Version {
        std::uint16_t major;
        std::uint16_t minor;
        std::uint16_t build;
        std::uint16_t revision;
    };

    Version GetVersion() const noexcept;
};

}  // namespace Tessel::Util
