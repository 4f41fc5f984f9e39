#include "Samples/N4ArchiveWriter.h"

#include <cstring>
#include <map>
#include <set>
#include <stdexcept>

namespace Linewright::Samples {

namespace {

template <class T>
std::string LittleEndian(const T& value) {
    std::string bytes(sizeof value, '\0');
    std::memcpy(bytes.data(), &value, sizeof value);  // the machines we test on are little-endian
    return bytes;
}

class ArchiveWriting {
public:
    void Object(const ArchiveRef& object) {
        if (!object) {
            out += U32Bytes(0);
            return;
        }
        const auto known = objects.find(object.get());
        if (known != objects.end()) {
            out += U32Bytes(known->second);
            return;
        }
        const std::uint32_t id = ++counter;
        objects[object.get()] = id;
        out += U32Bytes(id);
        const auto knownClass = classes.find(object->descriptor);
        if (knownClass != classes.end()) {
            out += U32Bytes(knownClass->second);
        } else {
            classes[object->descriptor] = ++counter;
            out += U32Bytes(counter);
            out += U32Bytes(static_cast<std::uint32_t>(object->descriptor.size() + 1));
            out += object->descriptor;
            out.push_back('\0');
        }
        for (const ArchiveField& field : object->fields) {
            if (field.isReference)
                Object(field.reference);
            else
                out += field.bytes;
        }
    }

    std::string out;

private:
    std::uint32_t counter = 0;
    std::map<const ArchiveObject*, std::uint32_t> objects;
    std::map<std::string, std::uint32_t> classes;
};

void Collect(const ArchiveRef& object, std::set<const ArchiveObject*>& seen, std::vector<ArchiveRef>& order) {
    if (!object || !seen.insert(object.get()).second)
        return;
    order.push_back(object);
    for (const ArchiveField& field : object->fields) {
        if (field.isReference)
            Collect(field.reference, seen, order);
    }
}

}  // namespace

std::string U8Bytes(std::uint8_t value) { return LittleEndian(value); }
std::string U32Bytes(std::uint32_t value) { return LittleEndian(value); }
std::string F32Bytes(float value) { return LittleEndian(value); }
std::string F64Bytes(double value) { return LittleEndian(value); }

ArchiveRef MakeObject(const std::string& descriptor) { return std::make_shared<ArchiveObject>(descriptor); }

ArchiveObject& ArchiveObject::U8(const std::string& name, std::uint8_t value) { return Bytes(name, U8Bytes(value)); }
ArchiveObject& ArchiveObject::U32(const std::string& name, std::uint32_t value) { return Bytes(name, U32Bytes(value)); }
ArchiveObject& ArchiveObject::F32(const std::string& name, float value) { return Bytes(name, F32Bytes(value)); }
ArchiveObject& ArchiveObject::F64(const std::string& name, double value) { return Bytes(name, F64Bytes(value)); }

ArchiveObject& ArchiveObject::Str(const std::string& name, const std::string& text) {
    if (text.empty())
        return Bytes(name, U32Bytes(0));
    return Bytes(name, U32Bytes(static_cast<std::uint32_t>(text.size() + 1)) + text + std::string(1, '\0'));
}

ArchiveObject& ArchiveObject::Bytes(const std::string& name, std::string bytes) {
    fields.push_back({name, std::move(bytes), nullptr, false});
    return *this;
}

ArchiveObject& ArchiveObject::Ref(const std::string& name, ArchiveRef object) {
    fields.push_back({name, {}, std::move(object), true});
    return *this;
}

ArchiveField& ArchiveObject::Field(const std::string& name, int occurrence) {
    for (ArchiveField& field : fields) {
        if (field.name == name && occurrence-- == 0)
            return field;
    }
    throw std::invalid_argument(descriptor + " has no field " + name);
}

ArchiveObject& ArchiveObject::Set(const std::string& name, std::string bytes, int occurrence) {
    ArchiveField& field = Field(name, occurrence);
    field = {name, std::move(bytes), nullptr, false};
    return *this;
}

ArchiveObject& ArchiveObject::SetRef(const std::string& name, ArchiveRef object, int occurrence) {
    ArchiveField& field = Field(name, occurrence);
    field = {name, {}, std::move(object), true};
    return *this;
}

std::string WriteArchive(const ArchiveRef& root) {
    ArchiveWriting writing;
    writing.Object(root);
    return writing.out;
}

ArchiveRef FindObject(const ArchiveRef& root, const std::string& descriptor, int occurrence) {
    std::set<const ArchiveObject*> seen;
    std::vector<ArchiveRef> order;
    Collect(root, seen, order);
    for (const ArchiveRef& object : order) {
        if (object->descriptor == descriptor && occurrence-- == 0)
            return object;
    }
    return nullptr;
}

}  // namespace Linewright::Samples
