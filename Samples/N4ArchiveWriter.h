#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Writes N4 object archives from records described field by field, as the format's tables
// describe them, independently of the reader:
//   record: objectId u32 | classId u32 (new object) | nameLength u32 and the descriptor name
//   with its zero (new class) | body (new object)
// One counter numbers objects and classes from 1 in order of first appearance; an object is
// written in full where it is first met, depth first, and by its number after that; the null
// reference is a 4-byte 0. Every body field has a name, so that a test can replace any field
// (or a whole tail) to make a broken file.
namespace Linewright::Samples {

struct ArchiveObject;
using ArchiveRef = std::shared_ptr<ArchiveObject>;  // empty: the null reference

struct ArchiveField {
    std::string name;
    std::string bytes;      // a plain field
    ArchiveRef reference;   // a reference field
    bool isReference = false;
};

struct ArchiveObject {
    explicit ArchiveObject(std::string descriptor) : descriptor(std::move(descriptor)) {}

    ArchiveObject& U8(const std::string& name, std::uint8_t value);
    ArchiveObject& U32(const std::string& name, std::uint32_t value);
    ArchiveObject& F32(const std::string& name, float value);
    ArchiveObject& F64(const std::string& name, double value);
    // A string field: length with the terminating zero (0 for the empty text), text, zero.
    ArchiveObject& Str(const std::string& name, const std::string& text);
    ArchiveObject& Bytes(const std::string& name, std::string bytes);
    ArchiveObject& Ref(const std::string& name, ArchiveRef object);
    // Replaces the bytes of the occurrence-th field of that name (counted from 0).
    ArchiveObject& Set(const std::string& name, std::string bytes, int occurrence = 0);
    // Makes the occurrence-th field of that name a reference.
    ArchiveObject& SetRef(const std::string& name, ArchiveRef object, int occurrence = 0);

    std::string descriptor;
    std::vector<ArchiveField> fields;

private:
    ArchiveField& Field(const std::string& name, int occurrence);
};

ArchiveRef MakeObject(const std::string& descriptor);

// Little-endian bytes of one value.
std::string U8Bytes(std::uint8_t value);
std::string U32Bytes(std::uint32_t value);
std::string F32Bytes(float value);
std::string F64Bytes(double value);

// The archive with root as object 1.
std::string WriteArchive(const ArchiveRef& root);

// The first object (depth first from root) of the descriptor; empty when there is none.
ArchiveRef FindObject(const ArchiveRef& root, const std::string& descriptor, int occurrence = 0);

}  // namespace Linewright::Samples
