#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace Tessel::Util {

// The one way to read a value at an offset inside a record that is already in memory (a chunk's
// payload, a directory record, the first bytes of a file). Every access is bounds-checked, so a
// reader may take offsets straight from a format table:
//
//     const RecordView record(stream.GetName(), payload);
//     const auto count = record.Get<std::uint32_t>(4);      // throws XFileRead when short
//     const auto id = record.Find<std::uint32_t>(0);        // nothing when short: for looks
//     const std::string name = record.GetText(8, 16);       // up to the first NUL
//
// Values are little-endian, as every format and the processor are. A view neither owns nor
// copies its bytes: they must outlive it. Reading values in file order from a stream is
// ReadValue's job (Util/BinaryStream.h), and looking ahead in a stream PeekValue's.
class RecordView {
public:
    // name says whose bytes these are in the exceptions (the stream's or the file's name).
    RecordView(std::string name, const void* data, std::size_t size);
    RecordView(std::string name, const std::vector<unsigned char>& bytes);
    RecordView(std::string name, std::string_view bytes);

    std::size_t GetSize() const { return size; }
    const std::string& GetName() const { return name; }

    // True when count bytes at offset lie inside the record.
    bool Holds(std::size_t offset, std::size_t count) const { return offset <= size && count <= size - offset; }

    // The value of type T at offset. Throws XFileRead with the record's name when the record
    // ends before its last byte, as reading past the end of a stream does.
    template <class T>
    T Get(std::size_t offset) const {
        static_assert(std::is_trivially_copyable_v<T>);
        if (!Holds(offset, sizeof(T))) [[unlikely]]
            FailShort();  // checked here rather than in CheckHolds, so hot loops pay no call
        T value;
        std::memcpy(&value, data + offset, sizeof(T));
        return value;
    }

    // The value of type T at offset; nothing when the record ends before its last byte. For
    // the looks that tell files apart, where a short file is a plain no.
    template <class T>
    std::optional<T> Find(std::size_t offset) const {
        if (!Holds(offset, sizeof(T)))
            return std::nullopt;
        return Get<T>(offset);
    }

    // The text of the fixed field of length bytes at offset, up to its first NUL. Throws
    // XFileRead when the field does not lie inside the record.
    std::string GetText(std::size_t offset, std::size_t length) const;

    // Copies count bytes at offset to out. Throws XFileRead when they do not lie inside the record.
    void CopyTo(std::size_t offset, std::size_t count, void* out) const;

    // The count bytes at offset as a record of its own. Throws XFileRead when they do not lie
    // inside this one.
    RecordView Slice(std::size_t offset, std::size_t count) const;

private:
    void CheckHolds(std::size_t offset, std::size_t count) const;
    [[noreturn]] void FailShort() const;

    std::string name;
    const unsigned char* data;
    std::size_t size;
};

}  // namespace Tessel::Util
