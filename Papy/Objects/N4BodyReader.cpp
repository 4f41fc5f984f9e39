#include "Papy/Objects/N4BodyReader.h"

#include "Papy/Objects/N4TdoFile.h"

namespace Tessel::Papy {

std::uint32_t N4BodyReader::LoadReference(bool (*isKind)(const ThreeDObject*), bool nullable) {
    const std::uint32_t id = archiver.LoadObject();
    if (id == 0 && nullable)
        return id;
    // A number below the counter may name a class, or a node whose record is still being
    // read (a cycle): neither is a node of the file yet.
    const std::shared_ptr<ThreeDObject> node = GetFile().FindObject(id);
    if (!node)
        archiver.Fail("N4 archive reference to an unread object");
    if (!isKind(node.get()))
        archiver.Fail("N4 archive reference of the wrong kind");
    return id;
}

}  // namespace Tessel::Papy
