#include "Util/PathName.h"

#include "Util/Exception.h"

#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <filesystem>
#include <memory>
#include <sys/stat.h>

namespace Tessel::Util {

namespace {

constexpr char Separator = '/';

std::string DropTrailingSeparator(std::string path) {
    if (path.size() > 1 && path.back() == Separator)
        path.pop_back();
    return path;
}

// Resolves path into buf like the system's full-path call: returns the length the absolute
// path needs (0 when it cannot be resolved) and fills buf only when it fits.
std::size_t ResolvePath(const std::string& path, char* buf, std::size_t bufSize) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    if (error)
        return 0;
    const std::string text = DropTrailingSeparator(absolute.lexically_normal().string());
    if (text.size() < bufSize)
        std::memcpy(buf, text.c_str(), text.size() + 1);
    return text.size();
}

}  // namespace

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
    const std::size_t fileStart = full.rfind(Separator) + 1;
    if (fileStart == full.size()) {
        asDirectory = fileName = baseName = directoryAndBaseName = full;
        isRoot = true;
        return;
    }
    asDirectory = full + Separator;
    fileName = full.substr(fileStart);
    const std::size_t dot = fileName.rfind('.');
    baseName = fileName.substr(0, dot);
    extension = dot == std::string::npos ? "" : fileName.substr(dot + 1);
    directory = full.substr(0, fileStart);
    directoryAndBaseName = directory + baseName;
}

DirectoryListing::DirectoryListing(const PathName& directory) : directory(directory) {
    // Closed on every way out, a path that breaks PathName's assertion included.
    const std::unique_ptr<DIR, int (*)(DIR*)> handle(::opendir(directory.full.c_str()), ::closedir);
    if (!handle)
        return;
    while (const dirent* entry = ::readdir(handle.get())) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        const std::string path = directory.asDirectory + name;
        std::error_code error;
        entries.push_back({PathName(path), std::filesystem::is_directory(path, error)});
    }
}

bool IsFile(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && !S_ISDIR(status.st_mode);
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
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path exact = fs::path(directory) / name;
    if (fs::exists(exact, error))
        return exact.string();
    std::optional<std::string> best;
    for (const auto& entry : fs::directory_iterator(directory, error)) {
        const std::string entryName = entry.path().filename().string();
        if (CompareNoCase(entryName, name) == 0 && (!best || entryName < fs::path(*best).filename()))
            best = entry.path().string();
    }
    return best;
}

}  // namespace Tessel::Util
