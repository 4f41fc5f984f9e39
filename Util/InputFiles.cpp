#include "Util/InputFiles.h"

#include "Util/Exception.h"

#include <map>
#include <mutex>
#include <sys/stat.h>

namespace Tessel::Util {

namespace {

struct Identity {
    dev_t device;
    ino_t inode;
    bool operator==(const Identity&) const = default;
};

// By path, so that reading the same file again and again keeps one entry.
struct Inputs {
    std::mutex lock;
    std::map<std::string, Identity> identities;
};

Inputs& TheInputs() {
    static Inputs inputs;
    return inputs;
}

Identity IdentityOf(const struct stat& status) { return {status.st_dev, status.st_ino}; }

}  // namespace

void RememberInputFile(const std::string& path, int handle) {
    struct stat status {};
    if (::fstat(handle, &status) != 0 || !S_ISREG(status.st_mode))
        return;
    Inputs& inputs = TheInputs();
    const std::lock_guard guard(inputs.lock);
    inputs.identities[path] = IdentityOf(status);
}

void ForgetInputFile(const std::string& path) {
    struct stat target {};
    if (::stat(path.c_str(), &target) != 0)
        return;
    Inputs& inputs = TheInputs();
    const std::lock_guard guard(inputs.lock);
    std::erase_if(inputs.identities, [&](const auto& input) { return input.second == IdentityOf(target); });
}

void RefuseToReplaceInput(const std::string& path) {
    struct stat target {};
    if (::stat(path.c_str(), &target) != 0)
        return;
    Inputs& inputs = TheInputs();
    const std::lock_guard guard(inputs.lock);
    for (const auto& [input, identity] : inputs.identities) {
        // An input removed since may have left its inode to a new file: look again.
        struct stat now {};
        if (identity == IdentityOf(target) && ::stat(input.c_str(), &now) == 0 && IdentityOf(now) == identity)
            throw XUsage(path + ": this is a file being read (" + input + "); refusing to write over it");
    }
}

}  // namespace Tessel::Util
