#include "Papy/Objects/N4PlainVertexList.h"

#include "Papy/Objects/N4BodyTransfer.h"
#include "Util/Exception.h"

namespace Tessel::Papy {

namespace {

using F64 = double;  // the checks' texts name it

// An array of no values or one per vertex.
template <class Io, class Values>
void TransferValues(Io& io, Values& values, std::uint64_t vertex_count) {
    const std::uint32_t array_size = io.ArraySize(values.size());
    if (array_size != 0)
        TESSEL_CHECK(array_size == vertex_count * sizeof(F64));
    TransferDoubles(io, values, array_size);
}

template <class Io, class Arrays>
void TransferEach(Io& io, Arrays& arrays, std::uint64_t vertexCount) {
    for (auto& values : arrays)
        TransferValues(io, values, vertexCount);
}

// A u array and a v array that must be empty when the u array is.
template <class Io, class Set>
void TransferTextureSet(Io& io, Set& set, std::uint64_t vertexCount) {
    TransferValues(io, set[0], vertexCount);
    if (set[0].empty()) {
        const std::uint32_t array_size = io.ArraySize(set[1].size());
        TESSEL_CHECK(array_size ==0);
    } else {
        TransferValues(io, set[1], vertexCount);
    }
}

}  // namespace

template <class Io, class F>
void N4PlainVertexList::Transfer(Io& io, F& f) {
    io.Fixed(std::uint32_t{1}, "N4 3do PlainVertexList reserved0 not 1");
    io.Fixed(std::uint32_t{0}, "N4 3do PlainVertexList reserved1 not 0");
    io.Fixed(std::uint32_t{1}, "N4 3do PlainVertexList version not supported");
    io.Fixed(std::uint32_t{1}, "N4 3do PlainVertexList reserved3 not 1");
    io.Value(f.vertexCount);
    TransferEach(io, f.coordinates, f.vertexCount);
    io.Fixed(std::uint32_t{0}, "N4 3do PlainVertexList reserved4 not 0");
    TransferEach(io, f.more, f.vertexCount);
    io.Fixed(std::uint32_t{3}, "N4 3do PlainVertexList reserved5 not 3");
    TransferTextureSet(io, f.firstTextureSet, f.vertexCount);
    TransferEach(io, f.further, f.vertexCount);
    TransferTextureSet(io, f.secondTextureSet, f.vertexCount);
    TransferEach(io, f.last, f.vertexCount);
}

N4_NODE_TRANSFER(N4PlainVertexList);

const std::vector<double>& N4PlainVertexList::GetCoordinates(int axis) const {
    TESSEL_CHECK(axis >= 0 && axis < 3);
    return fields.coordinates[axis];
}

}  // namespace Tessel::Papy
