#pragma once

#include <cstdint>

// The compound field shapes of node bodies, over an N4BodyReader or an N4BodyWriter.
namespace Tessel::Papy {

// A value that the file holds as a double or, with asFloat, as a float.
template <class Io, class Value>
void TransferNumber(Io& io, Value& value, bool asFloat) {
    if (asFloat)
        io.Float(value);
    else
        io.Value(value);
}

// An element count, then (when the count is not 0, or always with byteCountWhenEmpty) a byte
// count that must be count × elementBytes, then the elements.
template <class Io, class Records, class Transfer>
void TransferArray(Io& io, Records& records, std::uint32_t elementBytes, const char* message, bool byteCountWhenEmpty,
                   Transfer transfer) {
    const std::uint32_t count = io.Count(records.size());
    if (count > 0 || byteCountWhenEmpty)
        io.ByteCount(count, elementBytes, message);
    io.Elements(records, count, elementBytes, transfer);
}

// Records stored as they lie, with no byte count.
template <class Io, class Records>
void TransferRecords(Io& io, Records& records, std::uint32_t elementBytes) {
    const std::uint32_t count = io.Count(records.size());
    io.Elements(records, count, elementBytes, [&io](auto& record) { io.Value(record); });
}

// An array of references to nodes of Kind: a count and, when it is not 0, a byte count of
// 4 per reference, whatever the length of the nested records.
template <class Kind, class Io, class Ids>
void TransferReferences(Io& io, Ids& ids, const char* message) {
    TransferArray(io, ids, 4, message, false, [&io](auto& id) { io.template Reference<Kind>(id); });
}

// arraySize bytes of doubles.
template <class Io, class Values>
void TransferDoubles(Io& io, Values& values, std::uint32_t arraySize) {
    io.Elements(values, arraySize / sizeof(double), sizeof(double), [&io](auto& value) { io.Value(value); });
}

}  // namespace Tessel::Papy
