#include "Papy/Objects/N4FSection.h"

#include "Papy/Objects/N4BodyTransfer.h"

namespace Tessel::Papy {

template <class Io, class L>
void N4FSectionFields::Layer::Transfer(Io& io, L& layer) {
    io.Value(layer.flag0);
    io.Value(layer.value0);
    io.Value(layer.flag1);
    for (auto* value : {&layer.value1, &layer.value2, &layer.value3, &layer.value4})
        io.Value(*value);
}

template <class Io, class F>
void N4FSection::Transfer(Io& io, F& f) {
    io.Fixed(std::uint32_t{1}, "N4 ptf FSection reserved0 not 1");
    io.Fixed(std::uint32_t{0}, "N4 ptf FSection reserved1 not 0");
    io.Value(f.version);
    io.Check(f.version == 4 || f.version == 5, "N4 ptf FSection unsupported version");
    TransferNumber(io, f.startOffset, f.version == 5);
    TransferNumber(io, f.endOffset, f.version == 5);
    io.Value(f.flag);
    io.Value(f.value);
    io.Value(f.surface);
    TransferSectionTexture(io, f.texture, "N4 ptf FSection");
}

N4_NODE_TRANSFER(N4FSection);

}  // namespace Tessel::Papy
