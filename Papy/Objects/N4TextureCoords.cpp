#include "Papy/Objects/N4TextureCoords.h"

#include "Papy/Objects/N4BodyTransfer.h"
#include "Util/Exception.h"

namespace Tessel::Papy {

namespace {

using F64 = double;  // the checks' texts name it

}  // namespace

template <class Io, class F>
void N4TextureCoords::Transfer(Io& io, F& f) {
    io.Fixed(std::uint32_t{1}, "N4 ptf TextureCoords reserved0 not 1");
    io.Fixed(std::uint32_t{0}, "N4 ptf TextureCoords reserved1 not 0");
    io.Fixed(std::uint32_t{1}, "N4 ptf TextureCoords reserved2 not 1");
    io.Value(f.vertexCount);
    io.Fixed(std::uint32_t{3}, "N4 ptf TextureCoords reserved3 not 3");
    // Named as the checks' texts name them.
    const std::uint64_t VertexCount = f.vertexCount;
    std::uint32_t array_size = io.ArraySize(f.us.size());
    TESSEL_CHECK(array_size == 0 || array_size == VertexCount * sizeof(F64));
    TransferDoubles(io, f.us, array_size);
    const std::uint64_t has_texture_vertices = array_size != 0 ? 1 : 0;
    array_size = io.ArraySize(f.vs.size());
    TESSEL_CHECK(array_size == has_texture_vertices * VertexCount * sizeof(F64));
    TransferDoubles(io, f.vs, array_size);
    for (auto& values : f.more) {
        array_size = io.ArraySize(values.size());
        if (array_size != 0)
            TESSEL_CHECK(array_size == VertexCount * sizeof(F64));
        TransferDoubles(io, values, array_size);
    }
}

N4_NODE_TRANSFER(N4TextureCoords);

}  // namespace Tessel::Papy
