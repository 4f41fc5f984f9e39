#include "Papy/Objects/N4Shape.h"

#include "Papy/Objects/ThreeDObjectAppearance.h"
#include "Papy/Objects/ThreeDObjectGeometry.h"

namespace Tessel::Papy {

template <class Io, class F>
void N4Shape::Transfer(Io& io, F& f) {
    io.Fixed(std::uint32_t{1}, "N4 3do Shape reserved0 not 1");
    io.String(f.name);
    io.Fixed(std::uint32_t{1}, "N4 3do Shape reserved1 not 1");
    io.Fixed(std::uint32_t{1}, "N4 3do Shape reserved2 not 1");
    io.template ReferenceOrNull<ThreeDObject>(f.geometry);
    io.template ReferenceOrNull<ThreeDObject>(f.appearance);
}

N4_NODE_TRANSFER(N4Shape);

std::shared_ptr<ThreeDObjectGeometry> N4Shape::GetGeometry() const {
    return Referenced<ThreeDObjectGeometry>(fields.geometry);
}

std::shared_ptr<ThreeDObjectAppearance> N4Shape::GetAppearance() const {
    return Referenced<ThreeDObjectAppearance>(fields.appearance);
}

}  // namespace Tessel::Papy
