#include "Papy/Objects/N4Texture.h"

#include "Util/Exception.h"

namespace Tessel::Papy {

template <class Io, class F>
void N4Texture::Transfer(Io& io, F& f) {
    io.Fixed(std::uint32_t{1}, "N4 3do Texture reserved0 not 1");
    io.Fixed(std::uint32_t{0}, "N4 3do Texture reserved1 not 0");
    io.Value(f.version);
    io.Check(f.version == 1 || f.version == 2, "N4 3do Texture unsupported version");
    io.String(f.fileName);
    if (f.version == 2)
        io.Value(f.shared);
}

N4_NODE_TRANSFER(N4Texture);

void N4Texture::SetShared(bool shared) {
    if (fields.version == 1)
        throw Util::XUsage("N4 3do Texture version 1 sharing not supported");
    fields.shared = shared ? 1 : 0;
}

}  // namespace Tessel::Papy
