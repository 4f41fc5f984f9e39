#pragma once

#include "Util/BinaryFile.h"

#include <memory>
#include <string>

namespace Tessel::Util {

// Writes a file atomically: the bytes go to a temporary file beside the target, and Commit
// renames it over the target. Until Commit the target is untouched; a ReplacingFile destroyed
// without Commit removes its temporary file, so a failed write leaves no partial file.
//
// The rules of every output: anything at the target but a folder counts as an existing file,
// a link that leads nowhere included, and replacing it replaces the link itself, never what it
// leads to; no file that this process has read is replaced (Util/InputFiles.h); failures name
// the target, never the temporary file, with the system's reason.
class ReplacingFile {
public:
    // Throws XFileOpen naming the target when the target is a folder or the temporary file
    // cannot be created.
    explicit ReplacingFile(const std::string& target);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // The temporary file, which names itself after the target.
    BinaryStream& GetStream() { return *file; }
    // The absolute path of the target.
    const std::string& GetTarget() const { return target; }

    // Puts the written bytes in place. Without overwrite an existing target is kept and
    // XFileExists thrown; with it, a target that this process has read throws XUsage; other
    // failures throw XFileWrite. Either way the temporary file is gone afterwards.
    void Commit(bool overwrite);

    // True when something other than a folder is at path: a file, or a link of any kind.
    static bool TargetExists(const std::string& path);
    // What Commit would refuse, found before any work is done: XFileOpen for a folder at path,
    // XFileExists for an existing target without overwrite, XUsage for a file being read,
    // XFileOpen for a file the system keeps from being replaced (Util/FileSystem.h).
    static void CheckTarget(const std::string& path, bool overwrite);

private:
    void PutInPlaceOfNothing();

    std::string target;
    std::string temporary;
    std::unique_ptr<BinaryFile> file;
};

}  // namespace Tessel::Util
