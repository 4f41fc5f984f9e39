#include "Papy/Archives/UncompressedSubFile.h"

#include "Util/Exception.h"

namespace Tessel::Papy {

using Util::XFileRead;
using Util::XFileSeek;
using Util::XFileWrite;

UncompressedSubFile::UncompressedSubFile(std::shared_ptr<Util::BinaryStream> archive, std::string name,
                                         std::uint64_t offset, std::uint64_t size)
    : archive(std::move(archive)), name(std::move(name)), size(size), offset(offset) {}

void UncompressedSubFile::Read(std::uint32_t count, void* buffer) {
    if (!Fits(count))
        throw XFileRead(name);
    SeekArchive(position);
    try {
        archive->Read(count, buffer);
    } catch (const XFileRead&) {
        throw XFileRead(name);
    }
    position += count;
}

void UncompressedSubFile::Write(std::uint32_t count, const void* buffer) {
    if (!Fits(count))
        throw XFileWrite(name);
    SeekArchive(position);
    try {
        archive->Write(count, buffer);
    } catch (const XFileWrite&) {
        throw XFileWrite(name);
    }
    position += count;
}

void UncompressedSubFile::Seek(std::uint64_t newPosition) {
    if (newPosition > size)
        throw XFileSeek(name);
    SeekArchive(newPosition);
    position = newPosition;
}

void UncompressedSubFile::SeekArchive(std::uint64_t memberPosition) {
    try {
        archive->Seek(offset + memberPosition);
    } catch (const XFileSeek&) {
        throw XFileSeek(name);
    }
}

}  // namespace Tessel::Papy
