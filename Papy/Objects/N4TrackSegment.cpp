#include "Papy/Objects/N4TrackSegment.h"

#include "Papy/Objects/N4BodyTransfer.h"

namespace Tessel::Papy {

template <class Io, class F>
void N4TrackSegment::Transfer(Io& io, F& f) {
    io.Fixed(std::uint32_t{1}, "N4 ptf TrackSegment reserved0 not 1");
    io.Fixed(std::uint32_t{0}, "N4 ptf TrackSegment reserved1 not 0");
    io.Value(f.version);
    io.Check(f.version == 1 || f.version == 2, "N4 ptf TrackSegment unsupported version");
    TransferReferences<ThreeDObjectXSection>(io, f.xSections, "N4 ptf TrackSegment X section array size mismatch");
    TransferReferences<ThreeDObjectFSection>(io, f.fSections, "N4 ptf TrackSegment F section array size mismatch");
    TransferReferences<ThreeDObjectWSection>(io, f.wSections, "N4 ptf TrackSegment W section array size mismatch");
    io.Value(f.type);
    io.Check(f.type == StraightType || f.type == ArcType, "N4 ptf TrackSegment unknown type");
    for (auto* value : {&f.startX, &f.startY, &f.startHeading, &f.endX, &f.endY, &f.endHeading})
        io.Value(*value);
    io.Value(f.flags);
    if (f.version == 2) {
        const auto value = [&io](auto& record) { io.Value(record); };
        TransferArray(io, f.bm, sizeof(Fields::Bm), "N4 ptf TrackSegment bm array size mismatch", false, value);
        TransferArray(io, f.bs, sizeof(Fields::Bs), "N4 ptf TrackSegment bs array size mismatch", false, value);
    }
}

static_assert(sizeof(N4TrackSegmentFields::Bm) == 12 && sizeof(N4TrackSegmentFields::Bs) == 16);

N4_NODE_TRANSFER(N4TrackSegment);

}  // namespace Tessel::Papy
