#include "Util/ReplacingFile.h"

#include "Util/Exception.h"
#include "Util/InputFiles.h"
#include "Util/PathName.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace Tessel::Util {

namespace {

// A fresh name beside target that no other writer uses.
std::unique_ptr<BinaryFile> CreateTemporary(const std::string& target, std::string& temporary) {
    for (int attempt = 0;; ++attempt) {
        temporary = target + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        try {
            return BinaryFile::CreateNew(temporary);
        } catch (const XFileOpen& error) {
            if (errno != EEXIST || attempt >= 100)
                throw XFileOpen(target, error.GetReason());
        }
    }
}

// Not following a link: a link at path is what would be replaced.
bool IsFolder(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

void RefuseFolder(const std::string& path) {
    if (IsFolder(path))
        throw XFileOpen(path, std::strerror(EISDIR));
}

}  // namespace

ReplacingFile::ReplacingFile(const std::string& path) {
    const auto absolute = MakeAbsolutePath(path);
    if (!absolute)
        throw XFileOpen(path, "");
    target = *absolute;
    RefuseFolder(target);
    file = CreateTemporary(target, temporary);
    file->SetName(target);
}

ReplacingFile::~ReplacingFile() {
    if (file) {
        file.reset();
        std::remove(temporary.c_str());
    }
}

void ReplacingFile::Commit(bool overwrite) {
    TESSEL_CHECK(file);  // once only
    file->Sync();
    file.reset();
    if (!overwrite) {
        PutInPlaceOfNothing();
        return;
    }
    try {
        RefuseToReplaceInput(target);
    } catch (const XUsage&) {
        std::remove(temporary.c_str());
        throw;
    }
    const bool renamed = std::rename(temporary.c_str(), target.c_str()) == 0;
    const int renameError = errno;
    if (!renamed) {
        std::remove(temporary.c_str());
        throw XFileWrite(target, std::strerror(renameError));
    }
}

// A hard link never replaces an existing file (nor a link), so a file that appeared meanwhile
// survives, and no input can be lost.
void ReplacingFile::PutInPlaceOfNothing() {
    const bool linked = ::link(temporary.c_str(), target.c_str()) == 0;
    const int linkError = errno;
    std::remove(temporary.c_str());
    if (!linked && linkError == EEXIST)
        throw XFileExists(target);
    if (!linked)
        throw XFileWrite(target, std::strerror(linkError));
}

bool ReplacingFile::TargetExists(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 && !S_ISDIR(status.st_mode);
}

void ReplacingFile::CheckTarget(const std::string& path, bool overwrite) {
    // The place the constructor would write to: "x/../race.lp" is race.lp even without x.
    const std::string target = MakeAbsolutePath(path).value_or(path);
    RefuseFolder(target);
    if (!overwrite && TargetExists(target))
        throw XFileExists(target);
    RefuseToReplaceInput(target);
}

}  // namespace Tessel::Util
