#include "Util/FileSystem.h"

#include "Util/Windows/WideText.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <memory>
#include <windows.h>
#include <shellapi.h>

namespace Tessel::Util {

namespace {

std::error_code LastError() { return {static_cast<int>(::GetLastError()), std::system_category()}; }

std::error_code Outcome(bool succeeded) { return succeeded ? std::error_code() : LastError(); }

struct HandleCloser {
    void operator()(HANDLE handle) const { ::CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

// Opened for nothing but its attributes, through links, shared with everyone; folders too.
UniqueHandle OpenToQuery(const std::string& path) {
    const HANDLE handle =
        ::CreateFileW(Widen(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    return UniqueHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

std::optional<BY_HANDLE_FILE_INFORMATION> QueryFollowingLinks(const std::string& path) {
    const UniqueHandle handle = OpenToQuery(path);
    BY_HANDLE_FILE_INFORMATION information{};
    if (!handle || !::GetFileInformationByHandle(handle.get(), &information))
        return std::nullopt;
    return information;
}

bool IsFolderAttribute(DWORD attributes) { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

// Another process (a virus scanner, an indexer) may hold the target open for a moment.
bool IsPassingHold(DWORD error) { return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION; }

}  // namespace

const char PreferredSeparator = '\\';

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// "C:\" or "\\server\share\"; the root of a share ends after its second name.
std::size_t GetRootLength(const std::string& absolute) {
    if (absolute.size() >= 2 && IsSeparator(absolute[0]) && IsSeparator(absolute[1])) {
        std::size_t names = 0, position = 2;
        for (; position < absolute.size() && names < 2; ++position)
            names += IsSeparator(absolute[position]) ? 1 : 0;
        return position;
    }
    if (absolute.size() >= 2 && absolute[1] == ':')
        return absolute.size() >= 3 && IsSeparator(absolute[2]) ? 3 : 2;
    return !absolute.empty() && IsSeparator(absolute[0]) ? 1 : 0;
}

std::optional<std::string> ResolveAbsolutePath(const std::string& path) {
    const std::wstring wide = Widen(path);
    const DWORD size = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return std::nullopt;
    std::wstring full(size, L'\0');
    const DWORD length = ::GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size)
        return std::nullopt;
    full.resize(length);
    std::string text = Narrow(full);
    if (text.size() > GetRootLength(text) && IsSeparator(text.back()))
        text.pop_back();
    return text;
}

std::filesystem::path ToPath(const std::string& utf8) {
    return std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size());
}

std::string ToText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {reinterpret_cast<const char*>(text.data()), text.size()};
}

// A link that leads nowhere gives nothing, and callers take it as leading anywhere.
std::optional<std::string> ResolveLinks(const std::string& path) {
    const UniqueHandle handle = OpenToQuery(path);
    if (!handle)
        return std::nullopt;
    const DWORD size = ::GetFinalPathNameByHandleW(handle.get(), nullptr, 0, FILE_NAME_NORMALIZED);
    std::wstring final(size, L'\0');
    const DWORD length = ::GetFinalPathNameByHandleW(handle.get(), final.data(), size, FILE_NAME_NORMALIZED);
    if (size == 0 || length >= size)
        return std::nullopt;
    final.resize(length);
    // "\\?\C:\x" is "C:\x"; "\\?\UNC\server\share" is "\\server\share".
    if (final.starts_with(LR"(\\?\UNC\)"))
        final.replace(0, 8, LR"(\\)");
    else if (final.starts_with(LR"(\\?\)"))
        final.erase(0, 4);
    return Narrow(final);
}

EntryKind GetEntryKind(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(Widen(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return EntryKind::Missing;
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
        return EntryKind::Link;
    return IsFolderAttribute(attributes) ? EntryKind::Folder : EntryKind::File;
}

bool IsFile(const std::string& path) {
    const auto information = QueryFollowingLinks(path);
    return information && !IsFolderAttribute(information->dwFileAttributes);
}

bool IsFolder(const std::string& path) {
    const auto information = QueryFollowingLinks(path);
    return information && IsFolderAttribute(information->dwFileAttributes);
}

std::vector<FolderEntry> ListFolder(const std::string& folder) {
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileExW(Widen(folder + "\\*").c_str(), FindExInfoBasic, &found,
                                             FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE)
        return entries;
    do {
        const std::string name = Narrow(found.cFileName);
        if (name != "." && name != "..")
            entries.push_back({name, IsFolderAttribute(found.dwFileAttributes)});
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return entries;
}

std::optional<FileIdentity> GetFileIdentity(const std::string& path) {
    const auto information = QueryFollowingLinks(path);
    if (!information || IsFolderAttribute(information->dwFileAttributes))
        return std::nullopt;
    const std::uint64_t index = (std::uint64_t{information->nFileIndexHigh} << 32) | information->nFileIndexLow;
    return FileIdentity{information->dwVolumeSerialNumber, index};
}

std::error_code ReplaceEntry(const std::string& from, const std::string& to) {
    if (const std::error_code refusal = CheckReplaceable(to))
        return refusal;
    const std::wstring wideFrom = Widen(from), wideTo = Widen(to);
    for (int attempt = 0;; ++attempt) {
        if (::MoveFileExW(wideFrom.c_str(), wideTo.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return {};
        if (!IsPassingHold(::GetLastError()) || attempt >= 10)
            return LastError();
        ::Sleep(20);
    }
}

// Windows keeps a file marked read-only from being replaced; wine would replace it.
std::error_code CheckReplaceable(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(Widen(path).c_str());
    const bool readOnly = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    return readOnly ? std::error_code(ERROR_ACCESS_DENIED, std::system_category()) : std::error_code();
}

std::error_code MoveToFreePlace(const std::string& from, const std::string& to) {
    const std::error_code error = Outcome(::MoveFileExW(Widen(from).c_str(), Widen(to).c_str(), MOVEFILE_WRITE_THROUGH));
    if (error)
        RemoveEntry(from);
    return error;
}

std::error_code MakeHardLink(const std::string& from, const std::string& to) {
    return Outcome(::CreateHardLinkW(Widen(to).c_str(), Widen(from).c_str(), nullptr));
}

// Flushing needs a handle that may write.
std::error_code SyncFile(const std::string& path) {
    const HANDLE handle = ::CreateFileW(Widen(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return LastError();
    const std::error_code error = Outcome(::FlushFileBuffers(handle));
    ::CloseHandle(handle);
    return error;
}

void RemoveEntry(const std::string& path) noexcept { ::DeleteFileW(Widen(path).c_str()); }

bool IsExistsError(const std::error_code& error) {
    return error.category() == std::system_category() &&
           (error.value() == ERROR_FILE_EXISTS || error.value() == ERROR_ALREADY_EXISTS);
}

std::string DescribeError(const std::error_code& error) {
    if (error.category() == std::system_category())
        return GetSystemMessage(static_cast<unsigned long>(error.value()));
    return error.message();
}

std::string GetTemporaryFolder() {
    wchar_t folder[MAX_PATH + 1];
    const DWORD length = ::GetTempPathW(MAX_PATH + 1, folder);
    return length == 0 || length > MAX_PATH ? std::string("C:\\") : Narrow({folder, length});
}

std::uint64_t GetProcessId() { return ::GetCurrentProcessId(); }

void SetStandardStreamsBinary() {
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
}

// The console hands over UTF-16; the narrow argv is in the ANSI code page and loses what it cannot show.
std::vector<std::string> GetArguments(int, char**) {
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int index = 0; index < count; ++index)
        arguments.push_back(Narrow(wide[index]));
    ::LocalFree(wide);
    return arguments;
}

}  // namespace Tessel::Util
