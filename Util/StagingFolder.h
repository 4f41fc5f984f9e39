#pragma once

#include "Util/BinaryFile.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace Tessel::Util {

// Files written together below a folder appear all or none. They are written into a staging
// folder inside the target folder, and Commit moves them into place under the rules of
// ReplacingFile. Destroyed without a successful Commit, it leaves nothing of its run behind:
// no staged file, no folder it made, and every file it replaced back in place.
class StagingFolder {
public:
    // Makes the target folder (and its missing parents) and the staging folder inside it;
    // throws XFileOpen naming the target when either cannot be made.
    explicit StagingFolder(const std::filesystem::path& target);
    ~StagingFolder();
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;

    // A file written at GetPath() / relative is to appear at the target / relative.
    const std::filesystem::path& GetPath() const { return files; }
    // Creates the staged file that is to appear at relative below the target; its failures,
    // and this one's (XFileOpen), name that place.
    std::unique_ptr<BinaryFile> CreateFile(const std::filesystem::path& relative);

    // Moves every staged file into place. Before moving any, it checks each place in path
    // order: what ReplacingFile::CheckTarget refuses; XFileOpen for a folder on the way that is
    // a file; XUsage for one that leads out of the target folder through a link. When a move
    // fails, the moves so far are undone and XFileWrite (or XFileExists for a file that
    // appeared meanwhile) thrown.
    void Commit(bool overwrite);

private:
    // A file put in place, and where the file it replaced is kept until the end.
    struct Move {
        std::filesystem::path target;
        std::filesystem::path kept;
    };

    // Makes folder and its missing parents, remembering each one made.
    void MakeFolders(const std::filesystem::path& folder);
    void MakeStaging();
    // The staging folder with everything in it, and the folders made that stayed empty.
    void RemoveStaged();
    void CheckPlace(const std::filesystem::path& relative, bool overwrite) const;
    void Sync(const std::filesystem::path& relative) const;
    Move Place(const std::filesystem::path& relative, bool overwrite, std::size_t index);
    void Undo(const std::vector<Move>& moves);

    std::filesystem::path root;
    std::filesystem::path staging;
    std::filesystem::path files;
    std::filesystem::path kept;
    std::vector<std::filesystem::path> madeFolders;  // in the order made
};

}  // namespace Tessel::Util
