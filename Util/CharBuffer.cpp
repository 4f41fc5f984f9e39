#include "Util/CharBuffer.h"

#include "Util/Exception.h"

#include <cstring>

namespace Tessel::Util {

CharBuffer::CharBuffer(std::string name, std::uint32_t size, void* data)
    : readOnly(false), name(std::move(name)), base(static_cast<unsigned char*>(data)),
      cursor(base), size(size) {}

CharBuffer::CharBuffer(std::string name) : readOnly(true), name(std::move(name)) {}

void CharBuffer::SetBuffer(std::uint32_t newSize, const void* data) {
    // A read-only buffer never writes through this pointer.
    base = static_cast<unsigned char*>(const_cast<void*>(data));
    cursor = base;
    size = newSize;
    position = 0;
}

void CharBuffer::Read(std::uint32_t count, void* buffer) {
    if (!Fits(count))
        throw XFileRead(name);
    if (count > 0)
        std::memcpy(buffer, cursor, count);
    cursor += count;
    position += count;
}

void CharBuffer::Write(std::uint32_t count, const void* buffer) {
    if (readOnly || !Fits(count))
        throw XFileWrite(name);
    if (count > 0)
        std::memcpy(cursor, buffer, count);
    cursor += count;
    position += count;
}

void CharBuffer::Seek(std::uint64_t newPosition) {
    if (newPosition > size)
        throw XFileSeek(name);
    position = static_cast<std::uint32_t>(newPosition);
    cursor = base + position;
}

}  // namespace Tessel::Util
