#include "Util/BinaryFile.h"

#include "Util/Exception.h"
#include "Util/InputFiles.h"
#include "Util/PathName.h"
#include "Util/Windows/WideText.h"

#include <windows.h>

namespace Tessel::Util {

struct BinaryFile::Impl {
    HANDLE handle = INVALID_HANDLE_VALUE;
    std::string path;
};

BinaryFile::BinaryFile(std::unique_ptr<Impl> impl) : impl(std::move(impl)) {}

BinaryFile::~BinaryFile() { ::CloseHandle(impl->handle); }

namespace {

struct OpenMode {
    DWORD access;
    DWORD sharing;
    DWORD disposition;
};

// A file being read may still be read by others, and removed or replaced (by this program's own
// outputs among others) without waiting for the reader. Files being written are shared with no one.
OpenMode GetOpenMode(BinaryFile::Disposition disposition) {
    constexpr DWORD readWrite = GENERIC_READ | GENERIC_WRITE;
    switch (disposition) {
    case BinaryFile::Disposition::OpenRead:
        return {GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, OPEN_EXISTING};
    case BinaryFile::Disposition::OpenReadWrite:
        return {readWrite, 0, OPEN_EXISTING};
    case BinaryFile::Disposition::CreateNew:
        return {readWrite, 0, CREATE_NEW};
    case BinaryFile::Disposition::CreateAlways:
        return {readWrite, 0, CREATE_ALWAYS};
    }
    return {GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING};
}

std::string LastErrorText() { return GetSystemMessage(::GetLastError()); }

}  // namespace

std::unique_ptr<BinaryFile> BinaryFile::Open(const std::string& path, Disposition disposition) {
    const OpenMode mode = GetOpenMode(disposition);
    auto impl = std::make_unique<Impl>();
    const auto absolute = MakeAbsolutePath(path);
    if (!absolute)
        throw XFileOpen(path, "");
    impl->path = *absolute;
    impl->handle = ::CreateFileW(Widen(impl->path).c_str(), mode.access, mode.sharing, nullptr, mode.disposition,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (impl->handle == INVALID_HANDLE_VALUE)
        throw XFileOpen(impl->path, LastErrorText());
    BY_HANDLE_FILE_INFORMATION information{};
    if (mode.disposition == OPEN_EXISTING && ::GetFileInformationByHandle(impl->handle, &information)) {
        const std::uint64_t index = (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow;
        RememberInputFile(impl->path, {information.dwVolumeSerialNumber, index});
    }
    return std::unique_ptr<BinaryFile>(new BinaryFile(std::move(impl)));
}

void BinaryFile::Read(std::uint32_t count, void* buffer) {
    DWORD got = 0;
    if (!::ReadFile(impl->handle, buffer, count, &got, nullptr) || got != count)
        throw XFileRead(impl->path);
}

void BinaryFile::Write(std::uint32_t count, const void* buffer) {
    DWORD put = 0;
    if (!::WriteFile(impl->handle, buffer, count, &put, nullptr))
        throw XFileWrite(impl->path, LastErrorText());
    if (put != count)
        throw XFileWrite(impl->path);
}

void BinaryFile::Sync() {
    if (!::FlushFileBuffers(impl->handle))
        throw XFileWrite(impl->path, LastErrorText());
}

std::uint64_t BinaryFile::GetPosition() {
    LARGE_INTEGER position{};
    if (!::SetFilePointerEx(impl->handle, LARGE_INTEGER{}, &position, FILE_CURRENT))
        throw XFileSeek(impl->path);
    return static_cast<std::uint64_t>(position.QuadPart);
}

void BinaryFile::Seek(std::uint64_t position) {
    LARGE_INTEGER distance{};
    distance.QuadPart = static_cast<LONGLONG>(position);
    if (position > static_cast<std::uint64_t>(INT64_MAX) ||
        !::SetFilePointerEx(impl->handle, distance, nullptr, FILE_BEGIN))
        throw XFileSeek(impl->path);
}

std::uint64_t BinaryFile::GetSize() {
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(impl->handle, &size))
        throw XFileSeek(impl->path);
    return static_cast<std::uint64_t>(size.QuadPart);
}

std::string BinaryFile::GetName() const { return impl->path; }

void BinaryFile::SetName(const std::string& name) { impl->path = name; }

void BinaryFile::Truncate() {
    if (!::SetEndOfFile(impl->handle))
        throw XFileWrite(impl->path, LastErrorText());
}

}  // namespace Tessel::Util
