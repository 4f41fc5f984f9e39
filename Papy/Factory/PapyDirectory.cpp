#include "Papy/Factory/PapyDirectory.h"

#include "Util/Exception.h"
#include "Util/PathName.h"

namespace Tessel::Papy {

using Util::AssertionFailed;

namespace {

enum class Kind { Missing, File, Directory };

Kind GetKind(const std::string& path) {
    if (Util::IsFolder(path))
        return Kind::Directory;
    return Util::IsFile(path) ? Kind::File : Kind::Missing;
}

std::string Resolve(const std::string& path) {
    const auto resolved = Util::MakeAbsolutePath(path);
    if (!resolved)
        AssertionFailed("result != 0 && result < sizeof(buf)", __FILE__, __LINE__);
    return *resolved;
}

// The position after the separator that begins the last component; 0 for the root.
std::size_t LastComponentStart(const std::string& resolved) {
    const std::size_t start = Util::GetFileNameStart(resolved);
    return start == resolved.size() ? 0 : start;
}

// The resolved path without its last component; the root keeps its separator.
std::string CutLastComponent(const std::string& resolved) {
    const std::size_t start = LastComponentStart(resolved);
    if (start == 0)
        AssertionFailed("path_sep[depth] != 0", __FILE__, __LINE__);
    const std::size_t rootLength = Util::GetRootLength(resolved);
    return Resolve(start == rootLength ? resolved.substr(0, rootLength) : resolved.substr(0, start - 1));
}

// Where an existing path is missing, the nearest directory the path can stand for.
std::string ResolveMissing(const std::string& resolved) {
    const std::string parent = CutLastComponent(resolved);
    switch (GetKind(parent)) {
    case Kind::Missing:
        if (GetKind(CutLastComponent(parent)) == Kind::Missing)
            AssertionFailed("attributes != 0xFFFFFFFF", __FILE__, __LINE__);
        return parent;  // a missing directory directly below an existing one
    case Kind::Directory: {
        const bool looksLikeFile = resolved.find('.', LastComponentStart(resolved)) != std::string::npos;
        return looksLikeFile ? parent : resolved;
    }
    case Kind::File:
        break;
    }
    // Nothing can ever exist below a file.
    AssertionFailed("attributes != 0xFFFFFFFF && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0", __FILE__,
                    __LINE__);
}

}  // namespace

PapyDirectory::PapyDirectory(const std::string& given) {
    std::string current = Resolve(Util::DropTrailingSeparator(given));
    const Kind kind = GetKind(current);
    if (kind == Kind::Missing)
        current = ResolveMissing(current);
    if (kind == Kind::File) {
        current = CutLastComponent(current);
        if (GetKind(current) != Kind::Directory)
            AssertionFailed("attributes != 0xFFFFFFFF && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0", __FILE__,
                            __LINE__);
    }
    const std::size_t start = LastComponentStart(current);
    isRoot = start == 0;
    if (isRoot) {
        name = path = current;
        return;
    }
    name = current.substr(start);
    path = current + Util::PreferredSeparator;
    parentPath = current.substr(0, start);
}

const std::string& PapyDirectory::GetParentPath() const {
    if (isRoot)
        AssertionFailed("!Root", __FILE__, __LINE__);
    return parentPath;
}

std::string GetTrackDirectoryPath(const PapyDirectory& replayDirectory, const std::string& trackName) {
    const std::string& gamePath = replayDirectory.GetParentPath();
    if (trackName.empty() || trackName == "." || trackName == ".." ||
        trackName.find_first_of("/\\") != std::string::npos)
        throw Util::XUsage("The replay names the track \"" + trackName + "\", which is not a directory name");
    const std::string tracks = Util::FindEntryNoCase(gamePath, "tracks").value_or(gamePath + "tracks");
    return Util::FindEntryNoCase(tracks, trackName).value_or(tracks + Util::PreferredSeparator + trackName);
}

}  // namespace Tessel::Papy
