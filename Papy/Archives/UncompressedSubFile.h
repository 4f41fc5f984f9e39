#pragma once

#include "Util/BinaryStream.h"

#include <memory>

namespace Tessel::Papy {

// A window onto a stored archive member: reads and writes go to the archive file in place,
// within the member's bounds. The member keeps the archive's stream alive. Every operation
// positions the shared stream first, so members of one archive may be used alternately.
// Failures (the member's bounds included) throw XFileRead, XFileWrite or XFileSeek carrying
// the member's name and leave the position unchanged.
class UncompressedSubFile : public Util::BinaryStream {
public:
    UncompressedSubFile(std::shared_ptr<Util::BinaryStream> archive, std::string name, std::uint64_t offset,
                        std::uint64_t size);

    void Read(std::uint32_t count, void* buffer) override;
    // Overwrites the archive in place; the member's size never changes.
    void Write(std::uint32_t count, const void* buffer) override;
    std::uint64_t GetPosition() override { return position; }
    void Seek(std::uint64_t position) override;
    std::uint64_t GetSize() override { return size; }
    bool IsAtEnd() override { return position == size; }
    std::string GetName() const override { return name; }

private:
    bool Fits(std::uint32_t count) const { return count <= size - position; }
    void SeekArchive(std::uint64_t memberPosition);

    std::shared_ptr<Util::BinaryStream> archive;
    std::string name;
    std::uint64_t size;
    std::uint64_t offset;
    std::uint64_t position = 0;
};

}  // namespace Tessel::Papy
