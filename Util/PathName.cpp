#include "Util/PathName.h"

#include "Util/Exception.h"

#include <algorithm>
#include <cstring>

namespace Tessel::Util {

namespace {

// Resolves path into buf like the system's full-path call: returns the length the absolute
// path needs (0 when it cannot be resolved) and fills buf only when it fits.
std::size_t ResolvePath(const std::string& path, char* buf, std::size_t bufSize) {
    const auto resolved = ResolveAbsolutePath(path);
    if (!resolved)
        return 0;
    const std::string& text = *resolved;
    if (text.size() < bufSize)
        std::memcpy(buf, text.c_str(), text.size() + 1);
    return text.size();
}

}  // namespace

std::string DropTrailingSeparator(std::string path) {
    if (path.size() > 1 && IsSeparator(path.back()) && path.size() > GetRootLength(path))
        path.pop_back();
    return path;
}

std::optional<std::string> MakeAbsolutePath(const std::string& path) {
    char buf[MaxPath];
    const std::size_t result = ResolvePath(path, buf, sizeof(buf));
    if (result == 0 || result >= sizeof(buf))
        return std::nullopt;
    return std::string(buf, result);
}

PathName::PathName(const std::string& path) {
    if (path.empty())
        return;
    char buf[MaxPath];
    const std::size_t result = ResolvePath(DropTrailingSeparator(path), buf, sizeof(buf));
    TESSEL_CHECK(result != 0);
    TESSEL_CHECK(result < sizeof(buf));
    full.assign(buf, result);
    const std::size_t fileStart = GetFileNameStart(full);
    if (fileStart == full.size()) {
        asDirectory = fileName = baseName = directoryAndBaseName = full;
        isRoot = true;
        return;
    }
    asDirectory = full + PreferredSeparator;
    fileName = full.substr(fileStart);
    const std::size_t dot = fileName.rfind('.');
    baseName = fileName.substr(0, dot);
    extension = dot == std::string::npos ? "" : fileName.substr(dot + 1);
    directory = full.substr(0, fileStart);
    directoryAndBaseName = directory + baseName;
}

std::size_t GetFileNameStart(const std::string& absolute) {
    std::size_t start = absolute.size();
    while (start > GetRootLength(absolute) && !IsSeparator(absolute[start - 1]))
        --start;
    return start;
}

DirectoryListing::DirectoryListing(const PathName& directory) : directory(directory) {
    for (const FolderEntry& entry : ListFolder(directory.full))
        entries.push_back({PathName(directory.asDirectory + entry.name), entry.isFolder});
}

std::string ToLower(const std::string& text, const std::locale& locale) {
    std::string lower = text;
    std::use_facet<std::ctype<char>>(locale).tolower(lower.data(), lower.data() + lower.size());
    return lower;
}

int CompareNoCase(const std::string& a, const std::string& b, const std::locale& locale) {
    const std::string lowerA = ToLower(a, locale);
    const std::string lowerB = ToLower(b, locale);
    const std::size_t common = std::min(lowerA.size(), lowerB.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (lowerA[i] != lowerB[i])
            return static_cast<signed char>(lowerA[i]) - static_cast<signed char>(lowerB[i]);
    }
    return static_cast<int>(lowerA.size()) - static_cast<int>(lowerB.size());
}

bool EqualsOneOfNoCase(const std::string& text, std::span<const char* const> candidates) {
    return std::any_of(candidates.begin(), candidates.end(),
                       [&](const char* candidate) { return CompareNoCase(text, candidate) == 0; });
}

std::optional<std::string> FindEntryNoCase(const std::string& directory, const std::string& name) {
    const std::string folder = directory.empty() || IsSeparator(directory.back()) ? directory
                                                                                 : directory + PreferredSeparator;
    if (GetEntryKind(folder + name) != EntryKind::Missing)
        return folder + name;
    std::optional<std::string> best;
    for (const FolderEntry& entry : ListFolder(directory)) {
        if (CompareNoCase(entry.name, name) == 0 && (!best || entry.name < *best))
            best = entry.name;
    }
    if (!best)
        return std::nullopt;
    return folder + *best;
}

}  // namespace Tessel::Util
