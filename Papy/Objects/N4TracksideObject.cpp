#include "Papy/Objects/N4TracksideObject.h"

namespace Tessel::Papy {

template <class Io, class F>
void N4TracksideObject::Transfer(Io& io, F& f) {
    io.Fixed(std::uint32_t{1}, "N4 ptf TracksideObject reserved0 not 1");
    io.Fixed(std::uint32_t{0}, "N4 ptf TracksideObject reserved1 not 0");
    io.Value(f.version);
    io.Check(f.version == 2 || f.version == 3, "N4 ptf TracksideObject unsupported version");
    io.String(f.name);
    io.String(f.fileName);
    if (f.version == 3)
        io.Value(f.extra);
}

N4_NODE_TRANSFER(N4TracksideObject);

}  // namespace Tessel::Papy
