#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace Tessel::Papy {

class N4Archiver;
class N4TdoFile;

// A node of an N4 object archive: a 3D object part (transform, shape, geometry, appearance,
// texture, triangle and vertex lists) or a track part (track, segment, cross, W and F
// sections, trackside objects, details, texture coordinates). The owning file keeps every
// node; a node must not be used after its file is gone. References between nodes are node
// ids, looked up through the file; the null reference is id 0 and reads back as an empty
// handle.
class ThreeDObject {
public:
    // The record position of a node made in memory.
    static constexpr std::uint64_t NotFromFile = ~std::uint64_t{0};

    virtual ~ThreeDObject() = default;
    ThreeDObject(const ThreeDObject&) = delete;
    ThreeDObject& operator=(const ThreeDObject&) = delete;

    std::uint32_t GetId() const { return id; }
    // Where the node's record starts in the archive it was read from.
    std::uint64_t GetRecordPosition() const { return recordPosition; }
    // The kind's name ("AnimatedTransform", "Track", ...); empty for a null node.
    virtual std::string GetTypeName() const = 0;
    // Writes the node's record through the archiver, or only its number when the archiver
    // has written it already. References save the referenced nodes at their place.
    virtual void Save(N4Archiver& archiver) const = 0;

protected:
    ThreeDObject(N4TdoFile& file, std::uint32_t id, std::uint64_t recordPosition)
        : file(&file), id(id), recordPosition(recordPosition) {}

    N4TdoFile& GetFile() const { return *file; }
    // The node a reference names, as Kind; empty for the null reference, and for a node of
    // another kind where the node's format leaves the reference's kind open.
    template <class Kind>
    std::shared_ptr<Kind> Referenced(std::uint32_t referenceId) const {
        if (referenceId == 0)
            return nullptr;
        return std::dynamic_pointer_cast<Kind>(GetNode(referenceId));
    }

    // Entry index of a list of references, as Kind; breaks an assertion past the list.
    template <class Kind, class Ids>
    std::shared_ptr<Kind> ReferencedAt(const Ids& ids, std::uint32_t index) const {
        CheckIndex(index, ids.size());
        return Referenced<Kind>(ids[index]);
    }

private:
    static void CheckIndex(std::uint32_t index, std::size_t count);
    std::shared_ptr<ThreeDObject> GetNode(std::uint32_t referenceId) const;

    N4TdoFile* file;
    std::uint32_t id;
    std::uint64_t recordPosition;
};

}  // namespace Tessel::Papy
