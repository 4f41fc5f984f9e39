#include "Util/StagingFolder.h"

#include "Util/Exception.h"
#include "Util/PathName.h"
#include "Util/ReplacingFile.h"

#include <algorithm>

namespace Tessel::Util {

namespace fs = std::filesystem;

namespace {

bool IsWithin(const fs::path& root, const fs::path& path) {
    return std::mismatch(root.begin(), root.end(), path.begin(), path.end()).first == root.end();
}

std::string Describe(std::errc error) { return DescribeError(std::make_error_code(error)); }

}  // namespace

StagingFolder::StagingFolder(const fs::path& target) {
    const auto absolute = MakeAbsolutePath(ToText(target));
    if (!absolute)
        throw XFileOpen(ToText(target), "");
    root = ToPath(*absolute);
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
        const fs::path candidate = root / (".tmp" + std::to_string(GetProcessId()) + "-" + std::to_string(attempt));
        if (fs::create_directory(candidate, error))
            staging = candidate;
        else if (error || attempt >= 100)
            throw XFileOpen(ToText(root), error ? error.message() : Describe(std::errc::file_exists));
    }
    files = staging / "new";
    kept = staging / "old";
    if (!fs::create_directory(files, error) || !fs::create_directory(kept, error))
        throw XFileOpen(ToText(root), error.message());
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
    for (fs::path path = folder; GetEntryKind(ToText(path)) == EntryKind::Missing; path = path.parent_path())
        missing.push_back(path);
    for (auto path = missing.rbegin(); path != missing.rend(); ++path) {
        if (!fs::create_directory(*path, error))
            throw XFileOpen(ToText(*path), error ? error.message() : Describe(std::errc::file_exists));
        madeFolders.push_back(*path);
    }
    if (!IsFolder(ToText(folder)))
        throw XFileOpen(ToText(folder), Describe(std::errc::not_a_directory));
}

std::unique_ptr<BinaryFile> StagingFolder::CreateFile(const fs::path& relative) {
    const std::string place = ToText(root / relative);
    const fs::path staged = files / relative;
    std::error_code error;
    fs::create_directories(staged.parent_path(), error);
    if (error)
        throw XFileOpen(place, error.message());
    std::unique_ptr<BinaryFile> file;
    try {
        file = BinaryFile::CreateNew(ToText(staged));
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
    if (const std::error_code error = SyncFile(ToText(files / relative)))
        throw XFileWrite(ToText(root / relative), DescribeError(error));
}

void StagingFolder::CheckPlace(const fs::path& relative, bool overwrite) const {
    const fs::path finalRoot = ToPath(ResolveLinks(ToText(root)).value_or(ToText(root)));
    fs::path folder = root;
    // The folders on the way that exist already; the move makes the others.
    for (auto part = relative.begin(); std::next(part) != relative.end(); ++part) {
        folder /= *part;
        const std::string place = ToText(folder);
        const EntryKind kind = GetEntryKind(place);
        if (kind == EntryKind::Missing)
            break;
        const auto leadsTo = kind == EntryKind::Link ? ResolveLinks(place) : std::nullopt;
        if (kind == EntryKind::Link && (!leadsTo || !IsWithin(finalRoot, ToPath(*leadsTo))))
            throw XUsage(place + ": refusing to write through a link out of the target folder");
        if (!IsFolder(place))
            throw XFileOpen(place, Describe(std::errc::not_a_directory));
    }
    ReplacingFile::CheckTarget(ToText(root / relative), overwrite);
}

StagingFolder::Move StagingFolder::Place(const fs::path& relative, bool overwrite, std::size_t index) {
    const fs::path staged = files / relative;
    Move move{root / relative, {}};
    MakeFolders(move.target.parent_path());
    const std::string target = ToText(move.target);
    if (overwrite && ReplacingFile::TargetExists(target)) {
        // The replaced file is kept under a second name until the end; a link is kept as itself.
        const std::string keep = ToText(kept / std::to_string(index));
        std::error_code error = MakeHardLink(target, keep);
        if (!error)
            error = ReplaceEntry(ToText(staged), target);
        if (error) {
            RemoveEntry(keep);
            throw XFileWrite(target, DescribeError(error));
        }
        move.kept = ToPath(keep);
        return move;
    }
    const std::error_code error = MoveToFreePlace(ToText(staged), target);
    if (IsExistsError(error))
        throw XFileExists(target);
    if (error)
        throw XFileWrite(target, DescribeError(error));
    return move;
}

void StagingFolder::Undo(const std::vector<Move>& moves) {
    for (auto move = moves.rbegin(); move != moves.rend(); ++move) {
        if (move->kept.empty())
            RemoveEntry(ToText(move->target));
        else
            ReplaceEntry(ToText(move->kept), ToText(move->target));
    }
}

}  // namespace Tessel::Util
