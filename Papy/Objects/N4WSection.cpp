#include "Papy/Objects/N4WSection.h"

#include "Papy/Objects/N4BodyTransfer.h"

namespace Tessel::Papy {

namespace {

// The least a strip can take: five null references.
constexpr std::uint32_t StripBytes = 5 * 4;

}  // namespace

template <class Io, class L>
void N4WSectionFields::Layer::Transfer(Io& io, L& layer) {
    io.Value(layer.flag0);
    io.Value(layer.value0);
    io.Value(layer.value1);
    io.Value(layer.flag1);
    io.Value(layer.value2);
    io.Value(layer.value3);
}

template <class Io, class F>
void N4WSection::Transfer(Io& io, F& f) {
    io.Fixed(std::uint32_t{1}, "N4 ptf WSection reserved0 not 1");
    io.Fixed(std::uint32_t{0}, "N4 ptf WSection reserved1 not 0");
    io.Value(f.version);
    io.Check(f.version >= 5 && f.version <= 7, "N4 ptf WSection unsupported version");
    TransferNumber(io, f.startOffset, f.version >= 6);
    TransferNumber(io, f.endOffset, f.version >= 6);
    io.Value(f.flag);
    io.Value(f.value);
    for (auto* value : {&f.startHeight, &f.endHeight, &f.startWidth, &f.endWidth, &f.extra[0], &f.extra[1]})
        io.Value(*value);
    io.Value(f.direction);
    io.Check(f.direction <= 1, "N4 ptf WSection unknown direction");
    if (f.version == 7) {
        io.Value(f.profile);
        io.Check(f.profile <= 1, "N4 ptf WSection unknown profile");
        if (f.profile == 1) {
            io.Fixed(-1.0f, "N4 ptf WSection reserved2 not -1");
            io.Value(f.profileValue);
            io.Value(f.profileA);
            io.Value(f.profileB);
        }
    }
    io.Value(f.wallType);
    const std::uint32_t stripCount = io.Count(f.strips.size());
    io.Value(f.stripValues);
    io.Elements(f.strips, stripCount, StripBytes, [&io, first = true](auto& strip) mutable {
        if (!first)
            io.Value(strip.start);
        first = false;
        for (auto& texture : strip.textures)
            TransferSectionTexture(io, texture, "N4 ptf WSection");
    });
}

N4_NODE_TRANSFER(N4WSection);

}  // namespace Tessel::Papy
