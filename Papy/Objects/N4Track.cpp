#include "Papy/Objects/N4Track.h"

#include "Papy/Objects/N4BodyTransfer.h"

namespace Tessel::Papy {

template <class Io, class F>
void N4Track::Transfer(Io& io, F& f) {
    io.Fixed(std::uint32_t{1}, "N4 ptf Track reserved0 not 1");
    io.Fixed(std::uint32_t{0}, "N4 ptf Track reserved1 not 0");
    io.Value(f.version);
    io.Check(f.version == 6 || f.version == 8, "N4 ptf Track unsupported version");
    const std::uint32_t segmentCount = io.Count(f.segments.size());
    io.Value(f.flag);
    if (f.version == 6) {
        io.Value(f.values6);
    } else {
        io.Value(f.values8);
        io.Value(f.value8);
        TransferArray(io, f.bumpMap, sizeof(Fields::BumpMapRecord), "N4 ptf Track bump map array size mismatch", false,
                      [&io](auto& record) { io.Value(record); });
    }
    io.Fixed(std::uint32_t{0}, "N4 ptf Track reserved3 not 0");
    TransferReferences<ThreeDObjectTrackDetail>(io, f.details, "N4 ptf Track detail array size mismatch");
    TransferReferences<ThreeDObjectTsoReference>(io, f.tsoReferences, "N4 ptf Track tso array size mismatch");
    io.ByteCount(segmentCount, 4, "N4 ptf Track segment array size mismatch");
    io.Elements(f.segments, segmentCount, 4,
                [&io](auto& id) { io.template Reference<ThreeDObjectTrackSegment>(id); });
}

N4_NODE_TRANSFER(N4Track);

}  // namespace Tessel::Papy
