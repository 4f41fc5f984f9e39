#include "Papy/Objects/N4Archiver.h"

#include "Papy/Objects/N4TdoFile.h"
#include "Util/Exception.h"

namespace Tessel::Papy {

using Util::ReadValue;
using Util::WriteValue;

N4Archiver::N4Archiver(Side side, Util::BinaryStream& stream, N4Descriptors descriptors, N4TdoFile& file)
    : side(side), file(&file), stream(stream), counter(side == Side::Load ? 1 : 0),
      descriptors(std::move(descriptors)) {}

N4Archiver::Nesting::Nesting(N4Archiver& archiver) : archiver(archiver) {
    if (archiver.depth >= MaxDepth) {
        // Only a load meets a tree it did not build; a save of a tree made that deep is a misuse.
        TESSEL_CHECK(archiver.side == Side::Load);
        archiver.Fail("N4 archive nesting too deep");
    }
    ++archiver.depth;
}

void N4Archiver::Fail(const std::string& description) const {
    throw Util::XFileFormat(stream.GetName(), description);
}

std::uint32_t N4Archiver::Load() { return LoadObject(); }

std::uint32_t N4Archiver::LoadObject() {
    const Nesting nesting(*this);
    const std::uint64_t recordPosition = stream.GetPosition();
    const auto objectId = ReadValue<std::uint32_t>(stream);
    if (objectId > counter)
        Fail("N4 archive object id error");
    if (objectId < counter)
        return objectId;
    ++counter;
    const auto classId = ReadValue<std::uint32_t>(stream);
    if (classId > counter)
        Fail("N4 archive object class id error");
    if (classId == counter)
        LoadClass(classId);
    const auto p = LoadClassMap.find(classId);
    TESSEL_CHECK(p != LoadClassMap.end());
    p->second->Load(*this, objectId, recordPosition, *file);
    return objectId;
}

void N4Archiver::LoadClass(std::uint32_t classId) {
    const auto p = LoadClassMap.find(classId);
    TESSEL_CHECK(p == LoadClassMap.end());
    ++counter;
    const auto nameLength = ReadValue<std::uint32_t>(stream);
    if (nameLength > stream.GetRemaining())
        throw Util::XFileRead(stream.GetName());
    std::string bytes(nameLength, '\0');
    stream.Read(nameLength, bytes.data());
    // The name is the bytes up to the first zero.
    const std::string name(bytes.c_str());
    for (const N4Descriptor* descriptor : descriptors) {
        if (descriptor->GetName() == name) {
            LoadClassMap[classId] = descriptor;
            return;
        }
    }
    Fail("N4 archive unknown descriptor " + name);
}

std::string N4Archiver::ReadString() {
    const auto length = ReadValue<std::uint32_t>(stream);
    if (length == 0)
        return {};
    TESSEL_CHECK(length <= 1024L * 1024L);
    if (length > stream.GetRemaining())
        throw Util::XFileRead(stream.GetName());
    std::string buffer(length, '\0');
    stream.Read(length, buffer.data());
    TESSEL_CHECK(buffer[length - 1] == 0);
    buffer.pop_back();
    return buffer;
}

void N4Archiver::SaveObject(const ThreeDObject& object) {
    const Nesting nesting(*this);
    object.Save(*this);
}

bool N4Archiver::SaveHeader(const ThreeDObject& object, const std::string& descriptorName) {
    const auto known = SaveObjectMap.find(&object);
    if (known != SaveObjectMap.end()) {
        WriteValue(stream, known->second);
        return false;
    }
    const std::uint32_t objectId = ++counter;
    WriteValue(stream, objectId);
    SaveObjectMap[&object] = objectId;
    const auto knownClass = SaveClassMap.find(descriptorName);
    if (knownClass != SaveClassMap.end()) {
        WriteValue(stream, knownClass->second);
        return true;
    }
    const std::uint32_t classId = ++counter;
    WriteValue(stream, classId);
    SaveClassMap[descriptorName] = classId;
    WriteString(descriptorName);
    return true;
}

void N4Archiver::WriteString(const std::string& text) {
    if (text.empty()) {
        WriteValue(stream, std::uint32_t{0});
        return;
    }
    // What a reader accepts.
    TESSEL_CHECK(text.size() < 1024 * 1024);
    const auto length = static_cast<std::uint32_t>(text.size() + 1);
    WriteValue(stream, length);
    stream.Write(length, text.c_str());
}

}  // namespace Tessel::Papy
