#pragma once

#include "Papy/Objects/N4Archiver.h"
#include "Papy/Objects/ThreeDObjectNull.h"
#include "Util/BinaryStream.h"
#include "Util/Exception.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Tessel::Papy {

// Reads the fields of one node body in file order. Its counterpart N4BodyWriter has the same
// operations, so that each node states its body once (a Transfer function over either) and
// saves exactly what it reads. Checks throw XFileFormat with the stream's name and the given
// text; a count that claims more elements than the stream holds throws XFileRead before
// anything is allocated for it.
class N4BodyReader {
public:
    static constexpr bool Loading = true;

    explicit N4BodyReader(N4Archiver& archiver) : archiver(archiver), stream(archiver.GetStream()) {}

    N4TdoFile& GetFile() { return archiver.GetFile(); }

    template <class T>
    void Value(T& value) { value = Util::ReadValue<T>(stream); }
    // A value that the file holds as a float.
    void Float(double& value) { value = Util::ReadValue<float>(stream); }
    // A value that must be `expected`.
    template <class T>
    void Fixed(T expected, const char* message) {
        if (Util::ReadValue<T>(stream) != expected)
            archiver.Fail(message);
    }
    void Check(bool holds, const char* message) {
        if (!holds)
            archiver.Fail(message);
    }
    void String(std::string& text) { text = archiver.ReadString(); }

    // A nested record that must be a node of Kind ("N4 archive reference of the wrong kind")
    // and read before ("N4 archive reference to an unread object"); OrNull also takes the
    // null reference.
    template <class Kind>
    void Reference(std::uint32_t& id) { id = LoadReference(IsKind<Kind>, false); }
    template <class Kind>
    void ReferenceOrNull(std::uint32_t& id) { id = LoadReference(IsKind<Kind>, true); }

    // An element count.
    std::uint32_t Count(std::size_t) { return Util::ReadValue<std::uint32_t>(stream); }
    // A byte count that must be count elements of elementBytes.
    void ByteCount(std::uint32_t count, std::uint32_t elementBytes, const char* message) {
        Check(Util::ReadValue<std::uint32_t>(stream) == std::uint64_t{count} * elementBytes, message);
    }
    // The byte count of valueCount doubles, which the node checks itself.
    std::uint32_t ArraySize(std::size_t) { return Util::ReadValue<std::uint32_t>(stream); }
    // count elements of at least elementBytes each, read by transfer.
    template <class Record, class Transfer>
    void Elements(std::vector<Record>& records, std::uint32_t count, std::uint32_t elementBytes, Transfer transfer) {
        if (count > stream.GetRemaining() / elementBytes)
            throw Util::XFileRead(stream.GetName());
        records.resize(count);
        for (Record& record : records)
            transfer(record);
    }

private:
    template <class Kind>
    static bool IsKind(const ThreeDObject* node) {
        return dynamic_cast<const Kind*>(node) != nullptr && dynamic_cast<const ThreeDObjectNull*>(node) == nullptr;
    }
    std::uint32_t LoadReference(bool (*isKind)(const ThreeDObject*), bool nullable);

    N4Archiver& archiver;
    Util::BinaryStream& stream;
};

}  // namespace Tessel::Papy
