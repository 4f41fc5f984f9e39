#include "Papy/Objects/N4Geometry.h"

#include "Papy/Objects/ThreeDObjectTriangles.h"
#include "Papy/Objects/ThreeDObjectVertices.h"

namespace Tessel::Papy {

template <class Io, class F>
void N4Geometry::Transfer(Io& io, F& f) {
    io.Fixed(std::uint32_t{1}, "N4 3do Geometry reserved0 not 1");
    io.Fixed(std::uint32_t{0}, "N4 3do Geometry reserved1 not 0");
    io.Fixed(std::uint32_t{1}, "N4 3do Geometry unsupported version");
    io.template ReferenceOrNull<ThreeDObject>(f.triangles);
    io.template ReferenceOrNull<ThreeDObject>(f.vertices);
}

N4_NODE_TRANSFER(N4Geometry);

std::shared_ptr<ThreeDObjectTriangles> N4Geometry::GetTriangles() const {
    return Referenced<ThreeDObjectTriangles>(fields.triangles);
}

std::shared_ptr<ThreeDObjectVertices> N4Geometry::GetVertices() const {
    return Referenced<ThreeDObjectVertices>(fields.vertices);
}

}  // namespace Tessel::Papy
