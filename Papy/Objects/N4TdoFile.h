#pragma once

#include "Papy/Objects/N4Archiver.h"
#include "Papy/Objects/TdoFile.h"
#include "Papy/Objects/ThreeDObject.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Tessel::Util {
class BinaryStream;
}

namespace Tessel::Papy {

class PapyDirectory;

// The nodes of an N4 object archive (a ".3do" or ".ptf" file), loaded whole from a stream.
// Besides the archive's nodes (ids from 1) it holds two null nodes (ids 0 and 0xFFFFFFFF) and
// its own root (id 0xFFFFFFFE) whose single child is the archive's node 1. Nodes made in memory
// take ids from 0x40000001 upward. Saving writes the tree under the root, numbering the nodes
// again depth-first from 1; a file loaded and saved unchanged comes back byte for byte, except
// that a string stored as a lone zero byte comes back as the empty string.
class N4TdoFile : public TdoFile {
public:
    // Reads the whole stream, which must hold exactly one archive. Throws XFileFormat with the
    // stream's name at the first fault (the archive's and the nodes' own texts), XFileRead
    // when the stream ends early or a count claims more than it holds; breaks an assertion for
    // the faults the format rules exclude. No input makes it allocate more than the stream
    // justifies, recurse without bound or crash. The directory is kept for the file's life.
    N4TdoFile(const std::shared_ptr<Util::BinaryStream>& stream, N4Descriptors descriptors,
              std::shared_ptr<const PapyDirectory> directory = nullptr);

    // The descriptor name of the archive's root node when the stream starts like an object
    // archive (object 1 of class 2 and its name within the first bytes); the position is kept.
    static std::optional<std::string> PeekRootDescriptorName(Util::BinaryStream& stream);

    std::shared_ptr<ThreeDObjectRoot> GetRoot() const override;
    // Breaks the assertion "p != SubObjects.end()" for an unknown id.
    std::shared_ptr<ThreeDObject> GetObject(std::uint32_t id) const override;
    std::shared_ptr<ThreeDObject> GetNull() const override { return GetObject(NullId); }
    std::uint32_t GetObjectCount() const override {
        return static_cast<std::uint32_t>(SubObjects.size()) - FixedObjectCount;
    }
    std::uint32_t NewId() override { return ++nextId; }
    void Save(Util::BinaryStream& stream) override;

    // The node with the id, or an empty handle.
    std::shared_ptr<ThreeDObject> FindObject(std::uint32_t id) const;

    // Keeps the node under its id.
    void Register(std::shared_ptr<ThreeDObject> node);
    // A node made in memory from its field values, with a fresh id. References in the fields
    // must name nodes of the file.
    template <class Node>
    std::shared_ptr<Node> New(typename Node::Fields fields) {
        auto node = std::make_shared<Node>(*this, NewId(), std::move(fields));
        Register(node);
        return node;
    }
    // A new root over one child, which becomes the tree that Save writes. Breaks the assertion
    // "children.size() == 1" otherwise.
    std::shared_ptr<ThreeDObjectRoot> NewRoot(std::vector<std::uint32_t> children);

private:
    static constexpr std::uint32_t NullId = 0;
    static constexpr std::uint32_t OtherNullId = 0xFFFFFFFF;
    static constexpr std::uint32_t RootId = 0xFFFFFFFE;
    static constexpr std::uint32_t FixedObjectCount = 3;

    std::shared_ptr<const PapyDirectory> directory;
    std::map<std::uint32_t, std::shared_ptr<ThreeDObject>> SubObjects;
    std::uint32_t nextId = 0x40000000;
    std::uint32_t rootId = RootId;
    N4Descriptors descriptors;
};

}  // namespace Tessel::Papy
