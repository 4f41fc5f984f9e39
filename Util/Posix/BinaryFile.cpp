#include "Util/BinaryFile.h"

#include "Util/Exception.h"
#include "Util/InputFiles.h"
#include "Util/PathName.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Tessel::Util {

struct BinaryFile::Impl {
    int handle = -1;
    std::string path;
};

BinaryFile::BinaryFile(std::unique_ptr<Impl> impl) : impl(std::move(impl)) {}

BinaryFile::~BinaryFile() { ::close(impl->handle); }

namespace {

int GetFlags(BinaryFile::Disposition disposition) {
    switch (disposition) {
    case BinaryFile::Disposition::OpenRead:
        return O_RDONLY;
    case BinaryFile::Disposition::OpenReadWrite:
        return O_RDWR;
    case BinaryFile::Disposition::CreateNew:
        return O_RDWR | O_CREAT | O_EXCL;
    case BinaryFile::Disposition::CreateAlways:
        return O_RDWR | O_CREAT | O_TRUNC;
    }
    return O_RDONLY;
}

}  // namespace

std::unique_ptr<BinaryFile> BinaryFile::Open(const std::string& path, Disposition disposition) {
    const int flags = GetFlags(disposition);
    auto impl = std::make_unique<Impl>();
    const auto absolute = MakeAbsolutePath(path);
    if (!absolute)
        throw XFileOpen(path, "");
    impl->path = *absolute;
    impl->handle = ::open(impl->path.c_str(), flags | O_CLOEXEC, 0666);
    if (impl->handle < 0)
        throw XFileOpen(impl->path, std::strerror(errno));
    struct stat status {};
    if ((flags & O_CREAT) == 0 && ::fstat(impl->handle, &status) == 0 && S_ISREG(status.st_mode))
        RememberInputFile(impl->path, {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)});
    return std::unique_ptr<BinaryFile>(new BinaryFile(std::move(impl)));
}

void BinaryFile::Read(std::uint32_t count, void* buffer) {
    auto* bytes = static_cast<char*>(buffer);
    while (count > 0) {
        const ssize_t got = ::read(impl->handle, bytes, count);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            throw XFileRead(impl->path);
        bytes += got;
        count -= static_cast<std::uint32_t>(got);
    }
}

void BinaryFile::Write(std::uint32_t count, const void* buffer) {
    const auto* bytes = static_cast<const char*>(buffer);
    while (count > 0) {
        const ssize_t put = ::write(impl->handle, bytes, count);
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            throw XFileWrite(impl->path, std::strerror(errno));
        if (put == 0)
            throw XFileWrite(impl->path);
        bytes += put;
        count -= static_cast<std::uint32_t>(put);
    }
}

void BinaryFile::Sync() {
    if (::fsync(impl->handle) != 0)
        throw XFileWrite(impl->path, std::strerror(errno));
}

std::uint64_t BinaryFile::GetPosition() {
    const off_t position = ::lseek(impl->handle, 0, SEEK_CUR);
    if (position < 0)
        throw XFileSeek(impl->path);
    return static_cast<std::uint64_t>(position);
}

void BinaryFile::Seek(std::uint64_t position) {
    if (position > static_cast<std::uint64_t>(INT64_MAX) ||
        ::lseek(impl->handle, static_cast<off_t>(position), SEEK_SET) < 0)
        throw XFileSeek(impl->path);
}

std::uint64_t BinaryFile::GetSize() {
    struct stat status {};
    if (::fstat(impl->handle, &status) != 0)
        throw XFileSeek(impl->path);
    return static_cast<std::uint64_t>(status.st_size);
}

std::string BinaryFile::GetName() const { return impl->path; }

void BinaryFile::SetName(const std::string& name) { impl->path = name; }

void BinaryFile::Truncate() {
    const off_t position = ::lseek(impl->handle, 0, SEEK_CUR);
    if (position < 0 || ::ftruncate(impl->handle, position) != 0)
        throw XFileWrite(impl->path, std::strerror(errno));
}

}  // namespace Tessel::Util
