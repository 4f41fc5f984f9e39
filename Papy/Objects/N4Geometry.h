#pragma once

#include "Papy/Objects/N4Node.h"
#include "Papy/Objects/ThreeDObjectGeometry.h"

#include <cstdint>

namespace Tessel::Papy {

struct N4GeometryFields {
    std::uint32_t triangles = 0;  // a node of any kind (a triangle list in the files seen), or null
    std::uint32_t vertices = 0;   // a node of any kind (a vertex list in the files seen), or null
};

// Format notes ("GeometryDescriptor"): u32 1, u32 0, u32 version 1; the triangle list's record;
// the vertex list's record.
//
// References: the format names the two but fixes no kind, and nothing here uses them beyond
// the accessors, so both take a node of any kind; the accessors give an empty handle for a
// node of another kind.
class N4Geometry : public N4Node<N4Geometry, ThreeDObjectGeometry, N4GeometryFields> {
public:
    static constexpr const char* DescriptorName = "GeometryDescriptor";
    using N4Node::N4Node;
    template <class Io, class F>
    static void Transfer(Io& io, F& fields);

    std::shared_ptr<ThreeDObjectTriangles> GetTriangles() const override;
    std::shared_ptr<ThreeDObjectVertices> GetVertices() const override;
};

}  // namespace Tessel::Papy
