#include "Papy/Objects/N4TrackDetail.h"

#include "Util/Exception.h"

namespace Tessel::Papy {

namespace {

// The checks' texts name these.
using F64 = double;
constexpr std::uint32_t vertex_count = 4;

}  // namespace

template <class Io, class F>
void N4TrackDetail::Transfer(Io& io, F& f) {
    io.Fixed(std::uint32_t{1}, "N4 ptf TrackDetail reserved0 not 1");
    io.Fixed(std::uint32_t{0}, "N4 ptf TrackDetail reserved1 not 0");
    io.Fixed(std::uint32_t{0}, "N4 ptf TrackDetail reserved2 not 0");
    io.template ReferenceOrNull<ThreeDObject>(f.object);
    io.Value(f.values);
    std::uint32_t array_size = io.ArraySize(vertex_count);
    TESSEL_CHECK(array_size == vertex_count * sizeof(F64));
    io.Value(f.xs);
    array_size = io.ArraySize(vertex_count);
    TESSEL_CHECK(array_size == vertex_count * sizeof(F64));
    io.Value(f.ys);
}

N4_NODE_TRANSFER(N4TrackDetail);

}  // namespace Tessel::Papy
