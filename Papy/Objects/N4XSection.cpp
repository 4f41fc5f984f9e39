#include "Papy/Objects/N4XSection.h"

#include "Papy/Objects/N4BodyTransfer.h"

namespace Tessel::Papy {

namespace {

template <class Io, class SubRecord>
void TransferSubRecord(Io& io, SubRecord& r) {
    io.Value(r.kind);
    if (r.kind == 1) {
        io.Fixed(std::uint32_t{0}, "N4 ptf XSection reserved3 not 0");
        io.Fixed(std::uint32_t{0}, "N4 ptf XSection reserved3 not 0");
    } else if (r.kind == 2) {
        io.Value(r.first);
        io.Value(r.second);
        io.Value(r.third);
        io.Value(r.fourth);
    } else {
        io.Check(r.kind == 0, "N4 ptf XSection unknown unknown type");
    }
}

}  // namespace

template <class Io, class F>
void N4XSection::Transfer(Io& io, F& f) {
    io.Fixed(std::uint32_t{1}, "N4 ptf XSection reserved0 not 1");
    io.Fixed(std::uint32_t{0}, "N4 ptf XSection reserved1 not 0");
    io.Value(f.version);
    io.Check(f.version == 2 || f.version == 3, "N4 ptf XSection unsupported version");
    // Version 3 holds the offsets and grades as floats.
    const bool floats = f.version == 3;
    TransferNumber(io, f.startOffset, floats);
    io.Value(f.startAltitude);
    TransferNumber(io, f.startGrade, floats);
    TransferNumber(io, f.endOffset, floats);
    io.Value(f.endAltitude);
    TransferNumber(io, f.endGrade, floats);
    io.Fixed(std::uint8_t{0}, "N4 ptf XSection reserved2 not 0");
    if (f.version == 3) {
        for (auto& subRecord : f.subRecords)
            TransferSubRecord(io, subRecord);
    }
}

N4_NODE_TRANSFER(N4XSection);

void N4XSection::SetOffset(double start, double end) {
    fields.startOffset = start;
    fields.endOffset = end;
}

void N4XSection::SetAltitude(double startAltitude, double endAltitude, double startGrade, double endGrade) {
    fields.startAltitude = startAltitude;
    fields.endAltitude = endAltitude;
    fields.startGrade = startGrade;
    fields.endGrade = endGrade;
}

}  // namespace Tessel::Papy
