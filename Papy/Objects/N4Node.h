#pragma once

#include "Papy/Objects/N4Archiver.h"
#include "Papy/Objects/N4BodyReader.h"
#include "Papy/Objects/N4BodyWriter.h"

#include <cstdint>
#include <utility>

namespace Tessel::Papy {

// What every archived node class shares: its field values, read from its record or given in
// memory, and saved back in the order of its body. Node states its body once, as
//   template <class Io, class F> static void Transfer(Io& io, F& fields);
// over an N4BodyReader (reading) or an N4BodyWriter (saving), instantiates it for both in its
// source file (N4_NODE_TRANSFER), and names its descriptor in Node::DescriptorName.
template <class Node, class Interface, class FieldsT>
class N4Node : public Interface {
public:
    using Fields = FieldsT;

    // Reads the body of node id, whose record starts at recordPosition.
    N4Node(N4TdoFile& file, N4Archiver& archiver, std::uint32_t id, std::uint64_t recordPosition)
        : Interface(file, id, recordPosition) {
        N4BodyReader io(archiver);
        Node::Transfer(io, fields);
    }
    // A node made in memory.
    N4Node(N4TdoFile& file, std::uint32_t id, Fields fields)
        : Interface(file, id, ThreeDObject::NotFromFile), fields(std::move(fields)) {}

    const Fields& GetFields() const { return fields; }

    void Save(N4Archiver& archiver) const override {
        if (!archiver.SaveHeader(*this, Node::DescriptorName))
            return;
        N4BodyWriter io(archiver);
        Node::Transfer(io, fields);
    }

protected:
    Fields fields;
};

}  // namespace Tessel::Papy

// The two bodies of Node::Transfer that N4Node calls, made in Node's source file.
#define N4_NODE_TRANSFER(Node)                                                        \
    template void Node::Transfer(N4BodyReader& io, Node::Fields& fields);              \
    template void Node::Transfer(N4BodyWriter& io, const Node::Fields& fields)
