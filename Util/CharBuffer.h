#pragma once

#include "Util/BinaryStream.h"

namespace Tessel::Util {

// A BinaryStream over a block of memory that the creator owns and keeps alive. The buffer
// never grows; a failed Read, Write or Seek leaves the position unchanged.
class CharBuffer : public BinaryStream {
public:
    // A writable buffer over size bytes at data.
    CharBuffer(std::string name, std::uint32_t size, void* data);
    // A read-only buffer with no memory until SetBuffer attaches some.
    explicit CharBuffer(std::string name);

    // Attaches size bytes at data and rewinds; the read-only flag stays as it was.
    void SetBuffer(std::uint32_t size, const void* data);

    void Read(std::uint32_t count, void* buffer) override;
    void Write(std::uint32_t count, const void* buffer) override;
    std::uint64_t GetPosition() override { return position; }
    void Seek(std::uint64_t position) override;
    std::uint64_t GetSize() override { return size; }
    bool IsAtEnd() override { return position == size; }
    std::string GetName() const override { return name; }

private:
    bool Fits(std::uint32_t count) const { return count <= size - position; }

    bool readOnly;
    std::string name;
    unsigned char* base = nullptr;
    unsigned char* cursor = nullptr;  // always base + position
    std::uint32_t size = 0;
    std::uint32_t position = 0;
};

}  // namespace Tessel::Util
