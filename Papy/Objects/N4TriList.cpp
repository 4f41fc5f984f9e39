#include "Papy/Objects/N4TriList.h"

#include "Util/Exception.h"

namespace Tessel::Papy {

namespace {

using U32 = std::uint32_t;  // the check's text names it

}  // namespace

template <class Io, class F>
void N4TriList::Transfer(Io& io, F& f) {
    io.Fixed(std::uint32_t{1}, "N4 3do TriList reserved0 not 1");
    io.Fixed(std::uint32_t{0}, "N4 3do TriList reserved1 not 0");
    io.Fixed(std::uint32_t{1}, "N4 3do TriList reserved2 not 1");
    io.Fixed(std::uint32_t{0}, "N4 3do TriList reserved3 not 0");
    io.Fixed(std::uint32_t{1}, "N4 3do TriList reserved4 not 1");
    // Named as the texts name them.
    const std::uint32_t vertex_count = io.Count(f.indices.size());
    io.Check(vertex_count % 3 == 0, "N4 tdo TriList vertex count % 3 not zero");
    std::uint32_t byte_count = vertex_count * sizeof(U32);
    io.Value(byte_count);
    TESSEL_CHECK(byte_count == vertex_count * sizeof(U32));
    io.Elements(f.indices, vertex_count, sizeof(U32), [&io](auto& index) { io.Value(index); });
}

N4_NODE_TRANSFER(N4TriList);

}  // namespace Tessel::Papy
