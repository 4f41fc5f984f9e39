#pragma once

#include "Papy/Objects/N4Node.h"
#include "Papy/Objects/ThreeDObjectTriangles.h"

#include <cstdint>
#include <vector>

namespace Tessel::Papy {

struct N4TriListFields {
    std::vector<std::uint32_t> indices;  // three per triangle
};

// Format notes ("TriListDescriptor"): u32 1, 0, 1, 0, 1; u32 index count n (a multiple of 3);
// u32 byte count n × 4; n u32 vertex indices.
class N4TriList : public N4Node<N4TriList, ThreeDObjectTriangles, N4TriListFields> {
public:
    static constexpr const char* DescriptorName = "TriListDescriptor";
    using N4Node::N4Node;
    template <class Io, class F>
    static void Transfer(Io& io, F& fields);

    const std::vector<std::uint32_t>& GetIndices() const override { return fields.indices; }
};

}  // namespace Tessel::Papy
