#include "Util/FileSystem.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace Tessel::Util {

namespace {

std::error_code LastError() { return {errno, std::generic_category()}; }

std::error_code Outcome(bool succeeded) { return succeeded ? std::error_code() : LastError(); }

}  // namespace

const char PreferredSeparator = '/';

bool IsSeparator(char c) { return c == '/'; }

std::size_t GetRootLength(const std::string& absolute) { return absolute.starts_with('/') ? 1 : 0; }

std::optional<std::string> ResolveAbsolutePath(const std::string& path) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    if (error)
        return std::nullopt;
    std::string text = absolute.lexically_normal().string();
    if (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

std::filesystem::path ToPath(const std::string& utf8) { return utf8; }

std::string ToText(const std::filesystem::path& path) { return path.string(); }

// As far as the path exists: a link that leads nowhere still says where it leads.
std::optional<std::string> ResolveLinks(const std::string& path) {
    std::error_code error;
    const auto resolved = std::filesystem::weakly_canonical(path, error);
    if (error)
        return std::nullopt;
    return resolved.string();
}

EntryKind GetEntryKind(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0)
        return EntryKind::Missing;
    if (S_ISLNK(status.st_mode))
        return EntryKind::Link;
    return S_ISDIR(status.st_mode) ? EntryKind::Folder : EntryKind::File;
}

bool IsFile(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && !S_ISDIR(status.st_mode);
}

bool IsFolder(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

std::vector<FolderEntry> ListFolder(const std::string& folder) {
    std::vector<FolderEntry> entries;
    const std::unique_ptr<DIR, int (*)(DIR*)> handle(::opendir(folder.c_str()), ::closedir);
    if (!handle)
        return entries;
    while (const dirent* entry = ::readdir(handle.get())) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            entries.push_back({name, IsFolder(folder + '/' + name)});
    }
    return entries;
}

std::optional<FileIdentity> GetFileIdentity(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

std::error_code ReplaceEntry(const std::string& from, const std::string& to) {
    return Outcome(std::rename(from.c_str(), to.c_str()) == 0);
}

std::error_code CheckReplaceable(const std::string&) { return {}; }

// A hard link never replaces what is at to, so a file that appeared meanwhile survives.
std::error_code MoveToFreePlace(const std::string& from, const std::string& to) {
    const std::error_code linked = MakeHardLink(from, to);
    RemoveEntry(from);
    return linked;
}

std::error_code MakeHardLink(const std::string& from, const std::string& to) {
    return Outcome(::linkat(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), 0) == 0);
}

std::error_code SyncFile(const std::string& path) {
    const int handle = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    const bool synced = handle >= 0 && ::fsync(handle) == 0;
    const std::error_code error = Outcome(synced);
    if (handle >= 0)
        ::close(handle);
    return error;
}

void RemoveEntry(const std::string& path) noexcept { ::unlink(path.c_str()); }

bool IsExistsError(const std::error_code& error) { return error == std::errc::file_exists; }

std::string DescribeError(const std::error_code& error) { return std::strerror(error.value()); }

std::string GetTemporaryFolder() {
    std::error_code error;
    const auto folder = std::filesystem::temp_directory_path(error);
    return error ? std::string("/tmp") : folder.string();
}

std::uint64_t GetProcessId() { return static_cast<std::uint64_t>(::getpid()); }

void SetStandardStreamsBinary() {}

std::vector<std::string> GetArguments(int argc, char** argv) { return {argv, argv + argc}; }

}  // namespace Tessel::Util
