#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>

// The random-access byte stream through which every game file is read and written. Each
// operation does exactly what was asked or throws XFileRead, XFileWrite or XFileSeek.
namespace Tessel::Util {

class BinaryStream {
public:
    virtual ~BinaryStream() = default;
    // Copies exactly count bytes from the current position into buffer and advances.
    virtual void Read(std::uint32_t count, void* buffer) = 0;
    // Copies exactly count bytes from buffer to the current position and advances.
    virtual void Write(std::uint32_t count, const void* buffer) = 0;
    virtual std::uint64_t GetPosition() = 0;
    // Sets the position, absolute from the start.
    virtual void Seek(std::uint64_t position) = 0;
    virtual std::uint64_t GetSize() = 0;
    virtual bool IsAtEnd() = 0;
    virtual std::string GetName() const = 0;

    // The bytes between the position and the end: the most any size read here may claim.
    std::uint64_t GetRemaining() {
        const std::uint64_t size = GetSize();
        const std::uint64_t position = GetPosition();
        return position < size ? size - position : 0;
    }
};

// Reads one little-endian value (every format is little-endian, and so is the processor).
template <class T>
T ReadValue(BinaryStream& stream) {
    static_assert(std::is_trivially_copyable_v<T>);
    T value;
    stream.Read(sizeof value, &value);
    return value;
}

// The value at offset, read without moving the position; nothing when the stream ends before
// its last byte. For the looks that tell files apart.
template <class T>
std::optional<T> PeekValue(BinaryStream& stream, std::uint64_t offset) {
    if (stream.GetSize() < sizeof(T) || offset > stream.GetSize() - sizeof(T))
        return std::nullopt;
    const std::uint64_t position = stream.GetPosition();
    stream.Seek(offset);
    const T value = ReadValue<T>(stream);
    stream.Seek(position);
    return value;
}

template <class T>
void WriteValue(BinaryStream& stream, const T& value) {
    static_assert(std::is_trivially_copyable_v<T>);
    stream.Write(sizeof value, &value);
}

}  // namespace Tessel::Util
