#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

// The file-system calls that the portable code builds on, with one implementation per platform
// (Util/Posix/FileSystem.cpp, Util/Windows/FileSystem.cpp). Paths are UTF-8 here and in the
// rest of the program; an implementation converts them at the system call. Calls that can fail
// for a reason worth telling return a std::error_code, which DescribeError turns into the
// system's own text.
namespace Tessel::Util {

// The separator the system shows in paths; both '/' and '\' separate on Windows.
extern const char PreferredSeparator;
bool IsSeparator(char c);
// How many leading characters of an absolute path make its root ("/", "C:\", "\\server\share\").
std::size_t GetRootLength(const std::string& absolute);

// The absolute, normalised form of path, with the system's separators and no trailing separator
// but the root's; nothing when it cannot be resolved.
std::optional<std::string> ResolveAbsolutePath(const std::string& path);

// A path made from UTF-8 text, and the UTF-8 text of a path, whatever the system's own
// encoding of paths.
std::filesystem::path ToPath(const std::string& utf8);
std::string ToText(const std::filesystem::path& path);

// The path that path leads to with every link on the way followed; nothing when it leads nowhere.
std::optional<std::string> ResolveLinks(const std::string& path);

// What is at a path, without following a link there.
enum class EntryKind { Missing, File, Folder, Link };
EntryKind GetEntryKind(const std::string& path);
// True when path exists and, followed through links, is not a folder.
bool IsFile(const std::string& path);
// True when path exists and, followed through links, is a folder.
bool IsFolder(const std::string& path);

struct FolderEntry {
    std::string name;
    bool isFolder = false;
};
// The entries of a folder (without "." and ".."), in the order the system gives them; empty
// when the folder cannot be read.
std::vector<FolderEntry> ListFolder(const std::string& folder);

// The identity of a file that every path, link and other name of it shares: device and inode
// on POSIX, volume serial number and file index on Windows.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    bool operator==(const FileIdentity&) const = default;
};
// The identity of the regular file that path leads to; nothing for a folder or a missing file.
std::optional<FileIdentity> GetFileIdentity(const std::string& path);

// Moves from to to, replacing a file or link at to (never what a link leads to).
std::error_code ReplaceEntry(const std::string& from, const std::string& to);
// Why ReplaceEntry would refuse to replace the file at path though its folder allows it: on
// Windows a file marked read-only ("Access is denied."); never on POSIX, where the folder decides.
std::error_code CheckReplaceable(const std::string& path);
// Moves from to to only when nothing is at to; a failure because something is there is
// IsExistsError. Either way from is gone afterwards.
std::error_code MoveToFreePlace(const std::string& from, const std::string& to);
// A second name, to, for the file (or link, not followed) at from.
std::error_code MakeHardLink(const std::string& from, const std::string& to);
// Writes the file's bytes at path through to the disk.
std::error_code SyncFile(const std::string& path);
// Removes a file or a link; a missing one is no failure.
void RemoveEntry(const std::string& path) noexcept;

bool IsExistsError(const std::error_code& error);
std::string DescribeError(const std::error_code& error);

// The user's folder for temporary files.
std::string GetTemporaryFolder();

// A number of this process that no other running process shares, for names of temporary files.
std::uint64_t GetProcessId();

// Bytes written to standard output and standard error reach them unchanged: no line feed becomes
// CR LF, so that a member extracted to standard output stays whole and every line printed is the
// same on every system.
void SetStandardStreamsBinary();

// The program's arguments as UTF-8, whatever the console handed over.
std::vector<std::string> GetArguments(int argc, char** argv);

}  // namespace Tessel::Util
