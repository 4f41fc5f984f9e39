#pragma once

#include "Papy/Objects/N4Node.h"
#include "Papy/Objects/ThreeDObjectTrackDetail.h"

#include <array>
#include <cstdint>

namespace Tessel::Papy {

struct N4TrackDetailFields {
    std::uint32_t object = 0;  // a node of any kind, or null
    std::array<double, 5> values{};
    std::array<double, 4> xs{};
    std::array<double, 4> ys{};
};

// Format notes ("TrackDetailDescriptor"): u32 1, u32 0, u32 0; a reference; five f64; then the
// x and the y values of four points, each array a byte count of 32 and four f64 (as the
// vertex arrays of a PlainVertexList are stored).
//
// References: the object is a node of any kind, or null; the format fixes none.
class N4TrackDetail : public N4Node<N4TrackDetail, ThreeDObjectTrackDetail, N4TrackDetailFields> {
public:
    static constexpr const char* DescriptorName = "TrackDetailDescriptor";
    using N4Node::N4Node;
    template <class Io, class F>
    static void Transfer(Io& io, F& fields);

    std::shared_ptr<ThreeDObject> GetObject() const override { return Referenced<ThreeDObject>(fields.object); }
    const std::array<double, 4>& GetXs() const override { return fields.xs; }
    const std::array<double, 4>& GetYs() const override { return fields.ys; }
};

}  // namespace Tessel::Papy
