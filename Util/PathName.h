#pragma once

#include "Util/FileSystem.h"

#include <locale>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace Tessel::Util {

// The longest absolute path the program handles, terminator included.
inline constexpr std::size_t MaxPath = 260;

// The path without a trailing separator, but for a root's ("/", "C:\"): "C:" alone would stand
// for the current folder of drive C.
std::string DropTrailingSeparator(std::string path);

// The absolute, normalised form of path, or nothing when it cannot be resolved or would need
// MaxPath characters or more.
std::optional<std::string> MakeAbsolutePath(const std::string& path);

// A path split into its parts. A path ending in a separator is split as the same path without
// it; the root keeps its separator. Breaks an assertion when the path cannot be resolved.
// Where the file-name part of an absolute path begins; its size when there is none (a root).
std::size_t GetFileNameStart(const std::string& absolute);

struct PathName {
    PathName() = default;
    explicit PathName(const std::string& path);

    std::string full;                  // the absolute path
    std::string asDirectory;           // full with a separator appended
    std::string baseName;              // file name without its extension
    std::string extension;             // after the last dot of the file name; empty without one
    std::string directory;             // the directory part, ending in a separator
    std::string fileName;              // file name with its extension
    std::string directoryAndBaseName;  // directory followed by baseName
    bool isRoot = false;               // no file-name part
};

struct DirectoryEntry {
    PathName path;
    bool isDirectory = false;
};

// The entries of a directory (without "." and ".."), in the order the system returns them.
// A directory that cannot be read yields an empty list; an entry whose path is too long for
// PathName breaks its assertion.
struct DirectoryListing {
    explicit DirectoryListing(const PathName& directory);

    PathName directory;
    std::vector<DirectoryEntry> entries;
};

std::string ToLower(const std::string& text, const std::locale& locale = std::locale::classic());

// Compares after lower-casing both: the difference of the first differing characters (as
// signed 8-bit values), else the difference of the lengths.
int CompareNoCase(const std::string& a, const std::string& b,
                  const std::locale& locale = std::locale::classic());

// True when text equals one of the candidates without regard to case.
bool EqualsOneOfNoCase(const std::string& text, std::span<const char* const> candidates);

// The full path of the entry of directory called name: the exact name when it exists, else
// the first (in byte order) whose name differs only in letter case; nothing when there is none.
// Game folders copied from a case-insensitive file system keep whatever case they had.
std::optional<std::string> FindEntryNoCase(const std::string& directory, const std::string& name);

}  // namespace Tessel::Util
