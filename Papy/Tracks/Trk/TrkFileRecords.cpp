#include "Papy/Tracks/Trk/TrkFileRecords.h"

#include "Papy/Tracks/Trk/TrkFixedPoint.h"
#include "Util/Exception.h"

namespace Tessel::Papy {

void TrkFileRecords::Fail(const std::string& description) const { throw Util::XFileFormat(name, description); }

void TrkFileRecords::KeepXSectionOffsets(const std::vector<std::int32_t>& slots, std::int32_t count,
                                         const std::string& game) {
    if (count < 1 || count > static_cast<std::int32_t>(slots.size()))
        Fail(game + " trk file cross-section count not 1 to " + std::to_string(slots.size()));
    xSectionOffsets.assign(slots.begin(), slots.begin() + count);
    for (int k = 1; k < count; ++k) {
        if (xSectionOffsets[k] <= xSectionOffsets[k - 1])
            Fail(game + " trk file cross-section offsets not increasing");
    }
}

void TrkFileRecords::ReadXSectionRecords(Util::BinaryStream& stream, std::int32_t count) {
    xSections.resize(count);
    for (XSectionRecord& r : xSections) {
        for (std::int32_t* field : {&r.c3, &r.c2, &r.c1, &r.c0, &r.thriceC3, &r.twiceC2, &r.position, &r.y})
            *field = Util::ReadValue<std::int32_t>(stream);
    }
}

void TrkFileRecords::WriteXSectionRecords(Util::BinaryStream& stream) const {
    for (const XSectionRecord& r : xSections) {
        for (std::int32_t value : {r.c3, r.c2, r.c1, r.c0, r.thriceC3, r.twiceC2, r.position, r.y})
            Util::WriteValue(stream, value);
    }
}

void TrkFileRecords::SetXSectionOffset(int k, std::int32_t offset) {
    const bool afterPrevious = k == 0 || offset > xSectionOffsets[k - 1];
    const bool beforeNext = k + 1 >= GetXSectionCount() || offset < xSectionOffsets[k + 1];
    if (afterPrevious && beforeNext)
        xSectionOffsets[k] = offset;
}

void TrkFileRecords::SetAltitudeC0(int s, int k, std::int32_t value) { XSection(s, k).c0 = value; }

void TrkFileRecords::SetAltitudeC1(int s, int k, std::int32_t value) { XSection(s, k).c1 = value; }

void TrkFileRecords::SetAltitudeC2(int s, int k, std::int32_t value) {
    XSection(s, k).c2 = value;
    XSection(s, k).twiceC2 = WrapAdd(value, value);
}

void TrkFileRecords::SetAltitudeC3(int s, int k, std::int32_t value) {
    XSection(s, k).c3 = value;
    XSection(s, k).thriceC3 = WrapAdd(WrapAdd(value, value), value);
}

}  // namespace Tessel::Papy
