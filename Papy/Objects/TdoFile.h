#pragma once

#include <cstdint>
#include <memory>

namespace Tessel::Util {
class BinaryStream;
}

namespace Tessel::Papy {

class ThreeDObject;
class ThreeDObjectRoot;

// A file of 3D object nodes: a tree under a root node of the container's own, whose single
// child is the file's top node (for a PTF file, the track).
class TdoFile {
public:
    virtual ~TdoFile() = default;

    virtual std::shared_ptr<ThreeDObjectRoot> GetRoot() const = 0;
    // The node with the id; breaks an assertion when there is none.
    virtual std::shared_ptr<ThreeDObject> GetObject(std::uint32_t id) const = 0;
    // The node that the null reference names.
    virtual std::shared_ptr<ThreeDObject> GetNull() const = 0;
    // The number of nodes of the archive and of those made in memory, without the container's own.
    virtual std::uint32_t GetObjectCount() const = 0;
    // A fresh id for a node made in memory.
    virtual std::uint32_t NewId() = 0;
    // Writes the tree to the stream from its start; stream faults propagate.
    virtual void Save(Util::BinaryStream& stream) = 0;
};

}  // namespace Tessel::Papy
