#pragma once

#include "Util/BinaryStream.h"
#include "Util/CharBuffer.h"

#include <memory>

namespace Tessel::Papy {

// An imploded archive member, unpacked whole into memory when it is made and served from there,
// read-only (Write throws XFileWrite). The archive's stream is not kept.
class CompressedSubFile : public Util::BinaryStream {
public:
    // Reads storedSize bytes at offset and unpacks them. Throws XFileRead (with the member's
    // name) when the archive does not hold them; corrupt packed data break the codec's
    // assertion; data that unpack to fewer than size bytes break "result_size ==
    // uncompressed_size". Data that unpack to more read as their first size bytes.
    CompressedSubFile(Util::BinaryStream& archive, std::string name, std::uint64_t offset, std::uint32_t storedSize,
                      std::uint32_t size);

    void Read(std::uint32_t count, void* target) override { buffer.Read(count, target); }
    void Write(std::uint32_t count, const void* source) override { buffer.Write(count, source); }
    std::uint64_t GetPosition() override { return buffer.GetPosition(); }
    void Seek(std::uint64_t position) override { buffer.Seek(position); }
    std::uint64_t GetSize() override { return buffer.GetSize(); }
    bool IsAtEnd() override { return buffer.IsAtEnd(); }
    std::string GetName() const override { return buffer.GetName(); }

private:
    // Declared first, so the buffer that points into it goes first.
    std::unique_ptr<unsigned char[]> data;
    Util::CharBuffer buffer;
};

}  // namespace Tessel::Papy
