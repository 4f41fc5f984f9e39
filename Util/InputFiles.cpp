#include "Util/InputFiles.h"

#include "Util/Exception.h"

#include <map>
#include <mutex>

namespace Tessel::Util {

namespace {

// By path, so that reading the same file again and again keeps one entry.
struct Inputs {
    std::mutex lock;
    std::map<std::string, FileIdentity> identities;
};

Inputs& TheInputs() {
    static Inputs inputs;
    return inputs;
}

}  // namespace

void RememberInputFile(const std::string& path, const FileIdentity& identity) {
    Inputs& inputs = TheInputs();
    const std::lock_guard guard(inputs.lock);
    inputs.identities[path] = identity;
}

void ForgetInputFile(const std::string& path) {
    const auto target = GetFileIdentity(path);
    if (!target)
        return;
    Inputs& inputs = TheInputs();
    const std::lock_guard guard(inputs.lock);
    std::erase_if(inputs.identities, [&](const auto& input) { return input.second == *target; });
}

void RefuseToReplaceInput(const std::string& path) {
    const auto target = GetFileIdentity(path);
    if (!target)
        return;
    Inputs& inputs = TheInputs();
    const std::lock_guard guard(inputs.lock);
    for (const auto& [input, identity] : inputs.identities) {
        // An input removed since may have left its identity to a new file: look again.
        if (identity == *target && GetFileIdentity(input) == identity)
            throw XUsage(path + ": this is a file being read (" + input + "); refusing to write over it");
    }
}

}  // namespace Tessel::Util
