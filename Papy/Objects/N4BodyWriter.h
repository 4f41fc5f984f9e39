#pragma once

#include "Papy/Objects/N4Archiver.h"
#include "Util/BinaryStream.h"
#include "Util/Exception.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Tessel::Papy {

// Writes the fields of one node body in file order: the counterpart of N4BodyReader, with the
// same operations. A check that the values break throws XUsage with the reader's text, so that
// nothing is written that could not be read back.
class N4BodyWriter {
public:
    static constexpr bool Loading = false;

    explicit N4BodyWriter(N4Archiver& archiver) : archiver(archiver), stream(archiver.GetStream()) {}

    N4TdoFile& GetFile() { return archiver.GetFile(); }

    template <class T>
    void Value(const T& value) { Util::WriteValue(stream, value); }
    void Float(const double& value) { Util::WriteValue(stream, static_cast<float>(value)); }
    template <class T>
    void Fixed(T expected, const char*) { Util::WriteValue(stream, expected); }
    void Check(bool holds, const char* message) {
        if (!holds)
            throw Util::XUsage(message);
    }
    void String(const std::string& text) { archiver.WriteString(text); }

    template <class Kind>
    void Reference(const std::uint32_t& id) { SaveReference(id); }
    template <class Kind>
    void ReferenceOrNull(const std::uint32_t& id) { SaveReference(id); }

    std::uint32_t Count(std::size_t size);
    void ByteCount(std::uint32_t count, std::uint32_t elementBytes, const char*) { Value(count * elementBytes); }
    std::uint32_t ArraySize(std::size_t valueCount);
    template <class Record, class Transfer>
    void Elements(const std::vector<Record>& records, std::uint32_t, std::uint32_t, Transfer transfer) {
        for (const Record& record : records)
            transfer(record);
    }

private:
    void SaveReference(std::uint32_t id);

    N4Archiver& archiver;
    Util::BinaryStream& stream;
};

}  // namespace Tessel::Papy
