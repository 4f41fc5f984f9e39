#pragma once

#include "Util/BinaryFile.h"

#include <memory>
#include <string>

namespace Tessel::Util {

// Writes a file atomically: the bytes go to a temporary file beside the target, and Commit
// renames it over the target. Until Commit the target is untouched; a ReplacingFile destroyed
// without Commit removes its temporary file, so a failed write leaves no partial file.
class ReplacingFile {
public:
    // Throws XFileOpen when the temporary file cannot be created.
    explicit ReplacingFile(const std::string& target);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    BinaryStream& GetStream() { return *file; }
    // The absolute path of the target.
    const std::string& GetTarget() const { return target; }

    // Puts the written bytes in place. Without overwrite an existing target is kept and
    // XFileOpen is thrown with the system's text ("File exists"); other failures throw
    // XFileWrite. Either way the temporary file is gone afterwards.
    void Commit(bool overwrite);

private:
    std::string target;
    std::string temporary;
    std::unique_ptr<BinaryFile> file;
};

}  // namespace Tessel::Util
