#include "Util/ReplacingFile.h"

#include "Util/Exception.h"
#include "Util/PathName.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace Tessel::Util {

namespace {

// A fresh name beside target that no other writer uses.
std::unique_ptr<BinaryFile> CreateTemporary(const std::string& target, std::string& temporary) {
    for (int attempt = 0;; ++attempt) {
        temporary = target + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        try {
            return BinaryFile::CreateNew(temporary);
        } catch (const XFileOpen&) {
            if (errno != EEXIST || attempt >= 100)
                throw;
        }
    }
}

}  // namespace

ReplacingFile::ReplacingFile(const std::string& path) {
    const auto absolute = MakeAbsolutePath(path);
    if (!absolute)
        throw XFileOpen(path, "");
    target = *absolute;
    file = CreateTemporary(target, temporary);
}

ReplacingFile::~ReplacingFile() {
    if (file) {
        file.reset();
        std::remove(temporary.c_str());
    }
}

void ReplacingFile::Commit(bool overwrite) {
    file.reset();
    if (overwrite) {
        const bool renamed = std::rename(temporary.c_str(), target.c_str()) == 0;
        if (!renamed) {
            std::remove(temporary.c_str());
            throw XFileWrite(target);
        }
        return;
    }
    // A hard link never replaces an existing file, so a file that appeared meanwhile survives.
    const bool linked = ::link(temporary.c_str(), target.c_str()) == 0;
    const int linkError = errno;
    std::remove(temporary.c_str());
    if (!linked && linkError == EEXIST)
        throw XFileOpen(target, std::strerror(linkError));
    if (!linked)
        throw XFileWrite(target);
}

}  // namespace Tessel::Util
