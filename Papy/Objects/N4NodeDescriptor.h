#pragma once

#include "Papy/Objects/N4Archiver.h"
#include "Papy/Objects/N4TdoFile.h"

#include <memory>
#include <string>

namespace Tessel::Papy {

// The descriptor of an archived node kind: Node names its descriptor (Node::DescriptorName) and
// reads its body in its reading constructor.
template <class Node>
class N4NodeDescriptor : public N4Descriptor {
public:
    std::string GetName() const override { return Node::DescriptorName; }
    void Load(N4Archiver& archiver, std::uint32_t id, std::uint64_t recordPosition, N4TdoFile& file) const override {
        file.Register(std::make_shared<Node>(file, archiver, id, recordPosition));
    }
};

}  // namespace Tessel::Papy
