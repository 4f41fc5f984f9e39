#include "Util/StagingFolder.h"

#include "Util/Exception.h"
#include "Util/PathName.h"
#include "Util/ReplacingFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace Tessel::Util {

namespace fs = std::filesystem;

namespace {

bool IsWithin(const fs::path& root, const fs::path& path) {
    return std::mismatch(root.begin(), root.end(), path.begin(), path.end()).first == root.end();
}

// Without following a link at from: a link is moved as itself.
bool Link(const fs::path& from, const fs::path& to) {
    return ::linkat(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), 0) == 0;
}

}  // namespace

StagingFolder::StagingFolder(const fs::path& target) {
    const auto absolute = MakeAbsolutePath(target.string());
    if (!absolute)
        throw XFileOpen(target.string(), "");
    root = *absolute;
    try {
        MakeFolders(root);
        MakeStaging();
    } catch (...) {
        RemoveStaged();
        throw;
    }
}

StagingFolder::~StagingFolder() { RemoveStaged(); }

void StagingFolder::MakeStaging() {
    std::error_code error;
    for (int attempt = 0; staging.empty(); ++attempt) {
        const fs::path candidate = root / (".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt));
        if (fs::create_directory(candidate, error))
            staging = candidate;
        else if (error || attempt >= 100)
            throw XFileOpen(root.string(), error ? error.message() : std::strerror(EEXIST));
    }
    files = staging / "new";
    kept = staging / "old";
    if (!fs::create_directory(files, error) || !fs::create_directory(kept, error))
        throw XFileOpen(root.string(), error.message());
}

void StagingFolder::RemoveStaged() {
    std::error_code error;
    if (!staging.empty())
        fs::remove_all(staging, error);
    staging.clear();
    // Only folders left empty go: a folder that holds files put in place stays.
    for (auto folder = madeFolders.rbegin(); folder != madeFolders.rend(); ++folder)
        fs::remove(*folder, error);
    madeFolders.clear();
}

void StagingFolder::MakeFolders(const fs::path& folder) {
    std::vector<fs::path> missing;
    std::error_code error;
    for (fs::path path = folder; !fs::exists(fs::symlink_status(path, error)); path = path.parent_path())
        missing.push_back(path);
    for (auto path = missing.rbegin(); path != missing.rend(); ++path) {
        if (!fs::create_directory(*path, error))
            throw XFileOpen(path->string(), error ? error.message() : std::strerror(EEXIST));
        madeFolders.push_back(*path);
    }
    if (!fs::is_directory(folder, error))
        throw XFileOpen(folder.string(), std::strerror(ENOTDIR));
}

std::unique_ptr<BinaryFile> StagingFolder::CreateFile(const fs::path& relative) {
    const std::string place = (root / relative).string();
    const fs::path staged = files / relative;
    std::error_code error;
    fs::create_directories(staged.parent_path(), error);
    if (error)
        throw XFileOpen(place, error.message());
    std::unique_ptr<BinaryFile> file;
    try {
        file = BinaryFile::CreateNew(staged.string());
    } catch (const XFileOpen& failure) {
        throw XFileOpen(place, failure.GetReason());
    }
    file->SetName(place);
    return file;
}

void StagingFolder::Commit(bool overwrite) {
    std::vector<fs::path> relatives;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(files)) {
        if (!entry.is_directory())
            relatives.push_back(entry.path().lexically_relative(files));
    }
    std::sort(relatives.begin(), relatives.end());
    for (const fs::path& relative : relatives)
        CheckPlace(relative, overwrite);
    for (const fs::path& relative : relatives)
        Sync(relative);
    std::vector<Move> moves;
    try {
        for (std::size_t i = 0; i < relatives.size(); ++i)
            moves.push_back(Place(relatives[i], overwrite, i));
    } catch (...) {
        Undo(moves);
        throw;
    }
    madeFolders.clear();  // they hold what was put in place
}

// The staged file's bytes written through to the disk before it is moved into place.
void StagingFolder::Sync(const fs::path& relative) const {
    const int handle = ::open((files / relative).c_str(), O_RDONLY | O_CLOEXEC);
    const bool synced = handle >= 0 && ::fsync(handle) == 0;
    const int error = errno;
    if (handle >= 0)
        ::close(handle);
    if (!synced)
        throw XFileWrite((root / relative).string(), std::strerror(error));
}

void StagingFolder::CheckPlace(const fs::path& relative, bool overwrite) const {
    const fs::path canonicalRoot = fs::canonical(root);
    fs::path folder = root;
    std::error_code error;
    // The folders on the way that exist already; the move makes the others.
    for (auto part = relative.begin(); std::next(part) != relative.end(); ++part) {
        folder /= *part;
        const fs::file_status status = fs::symlink_status(folder, error);
        if (!fs::exists(status))
            break;
        if (fs::is_symlink(status) && !IsWithin(canonicalRoot, fs::weakly_canonical(folder, error)))
            throw XUsage(folder.string() + ": refusing to write through a link out of the target folder");
        if (!fs::is_directory(folder, error))
            throw XFileOpen(folder.string(), std::strerror(ENOTDIR));
    }
    ReplacingFile::CheckTarget((root / relative).string(), overwrite);
}

StagingFolder::Move StagingFolder::Place(const fs::path& relative, bool overwrite, std::size_t index) {
    const fs::path staged = files / relative;
    Move move{root / relative, {}};
    MakeFolders(move.target.parent_path());
    if (overwrite && ReplacingFile::TargetExists(move.target.string())) {
        const fs::path keep = kept / std::to_string(index);
        if (!Link(move.target, keep) || std::rename(staged.c_str(), move.target.c_str()) != 0) {
            const int error = errno;
            std::remove(keep.c_str());
            throw XFileWrite(move.target.string(), std::strerror(error));
        }
        move.kept = keep;
        return move;
    }
    // A hard link never replaces a file that appeared meanwhile.
    if (!Link(staged, move.target)) {
        const int error = errno;
        if (error == EEXIST)
            throw XFileExists(move.target.string());
        throw XFileWrite(move.target.string(), std::strerror(error));
    }
    return move;
}

void StagingFolder::Undo(const std::vector<Move>& moves) {
    for (auto move = moves.rbegin(); move != moves.rend(); ++move) {
        if (move->kept.empty())
            std::remove(move->target.c_str());
        else
            std::rename(move->kept.c_str(), move->target.c_str());
    }
}

}  // namespace Tessel::Util
