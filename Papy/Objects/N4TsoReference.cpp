#include "Papy/Objects/N4TsoReference.h"

#include "Papy/Objects/N4BodyTransfer.h"
#include "Papy/Objects/ThreeDObjectTracksideObject.h"

namespace Tessel::Papy {

template <class Io, class F>
void N4TsoReference::Transfer(Io& io, F& f) {
    io.Fixed(std::uint32_t{1}, "N4 ptf TsoReference reserved0 not 1");
    io.Fixed(std::uint32_t{0}, "N4 ptf TsoReference reserved1 not 0");
    io.Value(f.version);
    io.Check(f.version == 1 || f.version == 6, "N4 ptf TsoReference unsupported version");
    for (const int index : {0, 1, 2, 5, 4, 3})
        io.Value(f.placement[index]);
    io.template Reference<ThreeDObjectTracksideObject>(f.tracksideObject);
    if (f.version != 6)
        return;
    io.Value(f.windDirection);
    io.Check(f.windDirection <= 1, "N4 ptf TsoReference unknown wind direction");
    io.Value(f.flag);
    if (f.flag != 0)
        return;
    io.Value(f.block);
    io.Value(f.values);
    TransferRecords(io, f.records, sizeof(Fields::Record));
    io.String(f.text);
}

N4_NODE_TRANSFER(N4TsoReference);

std::shared_ptr<ThreeDObjectTracksideObject> N4TsoReference::GetTracksideObject() const {
    return Referenced<ThreeDObjectTracksideObject>(fields.tracksideObject);
}

}  // namespace Tessel::Papy
