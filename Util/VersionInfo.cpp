#include "Util/VersionInfo.h"

#include "Util/Version.h"

namespace Tessel::Util {

VersionInfo::Version VersionInfo::GetVersion() const noexcept {
    return {VersionMajor, VersionMinor, VersionBuild, VersionRevision};
}

}  // namespace Tessel::Util
