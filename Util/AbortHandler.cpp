#include "Util/AbortHandler.h"

#include "Util/Exception.h"
#include "Util/FileSystem.h"
#include "Util/InstalledAbortHandler.h"
#include "Util/VersionInfo.h"

namespace Tessel::Util {

AbortHandler::AbortHandler(std::string_view applicationTitle) : title(applicationTitle) {
    errorFilePath = ToText(ToPath(GetTemporaryFolder()) / ToPath(title + "Err.txt"));
    temporaryPath = errorFilePath + ".tmp" + std::to_string(GetProcessId());
    const auto version = VersionInfo().GetVersion();
    heading = title + " Version " + std::to_string(version.major) + "," + std::to_string(version.minor) + "," +
              std::to_string(version.build) + "," + std::to_string(version.revision) + " Error File\n";
    userMessage = title + " stopped on an unexpected fault. The report is in " + errorFilePath + ".";
}

AbortHandler::~AbortHandler() = default;

std::atomic<AbortHandler*>& InstalledAbortHandler() {
    static std::atomic<AbortHandler*> handler{nullptr};
    return handler;
}

AbortHandler& AbortHandler::Instance() {
    AbortHandler* handler = InstalledAbortHandler().load();
    TESSEL_CHECK(handler != nullptr);
    return *handler;
}

}  // namespace Tessel::Util
