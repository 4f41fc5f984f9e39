#pragma once

#include "Papy/Objects/N4Node.h"
#include "Papy/Objects/ThreeDObjectTracksideObject.h"

#include <cstdint>
#include <string>

namespace Tessel::Papy {

struct N4TracksideObjectFields {
    std::uint32_t version = 2;
    std::string name;
    std::string fileName;
    std::uint8_t extra = 0;  // version 3
};

// Format notes ("TSODescriptor"): u32 1, u32 0, u32 version (2 or 3); string name; string
// fileName; version 3: a u8.
class N4TracksideObject : public N4Node<N4TracksideObject, ThreeDObjectTracksideObject, N4TracksideObjectFields> {
public:
    static constexpr const char* DescriptorName = "TSODescriptor";
    using N4Node::N4Node;
    template <class Io, class F>
    static void Transfer(Io& io, F& fields);

    const std::string& GetName() const override { return fields.name; }
    const std::string& GetFileName() const override { return fields.fileName; }
};

}  // namespace Tessel::Papy
