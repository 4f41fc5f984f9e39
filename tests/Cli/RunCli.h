#pragma once

#include "testing/TemporaryFolder.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

// Runs the built linewright-cli with arguments and collects what it printed.
struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

CliResult RunCli(const std::vector<std::string>& arguments);

// The system's reason for a file missing from a missing folder.
std::string MissingFileReason();

// Whether RunCliWithFileLimit limits anything on this system (POSIX's file size limit).
extern const bool FileSizeLimits;

// Runs it as RunCli does with its files limited to kilobytes: a write beyond fails as on a full
// disk, with the reason "File too large".
CliResult RunCliWithFileLimit(const std::vector<std::string>& arguments, int kilobytes);

// Every entry below the folder with its bytes (a link: where it leads), to show that a run that
// failed left the folder as it was.
inline std::map<std::string, std::string> FolderTree(const std::filesystem::path& folder) {
    std::map<std::string, std::string> tree;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::filesystem::path path = entry.path();
        tree[path.string()] = entry.is_symlink()        ? "link to " + std::filesystem::read_symlink(path).string()
                              : entry.is_regular_file() ? ReadFile(path)
                                                        : "folder";
    }
    return tree;
}
