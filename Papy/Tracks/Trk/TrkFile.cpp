#include "Papy/Tracks/Trk/TrkFile.h"

#include "Papy/Tracks/Trk/TrkFixedPoint.h"
#include "Util/Exception.h"

#include <cmath>
#include <sstream>

namespace Tessel::Papy {

void TrkFile::SetAltitudeCoefficients(int s, int k, std::int32_t c0, std::int32_t c1, std::int32_t c2,
                                      std::int32_t c3) {
    SetAltitudeC0(s, k, c0);
    SetAltitudeC1(s, k, c1);
    SetAltitudeC2(s, k, c2);
    SetAltitudeC3(s, k, c3);
}

void TrkFile::Build3DMap() {
    // Longitudes wrap by the track length; a reader lets only positive lengths through.
    TESSEL_CHECK(GetTrackLength() > 0);
    section3DLongitudeMap.clear();
    for (int s = 0; s < GetSectionCount(); ++s) {
        const std::int64_t end = std::int64_t{GetSectionStart(s)} + GetSectionLength(s);
        section3DLongitudeMap.emplace(end, SectionStart{s, GetSectionStart(s)});
    }
}

void TrkFile::Build2DTable() {
    Build3DMap();
    section2DTable.clear();
    section2DTable.reserve(GetSectionCount());
    section2DLongitudeMap.clear();
    float total = 0.0f;
    for (int s = 0; s < GetSectionCount(); ++s) {
        const float length = HorizontalLength(s);
        section2DTable.push_back({total, length, ToMetres(GetSectionLength(s)) / length});
        const float start = total;
        total += length;
        section2DLongitudeMap.emplace(total, Section2DStart{s, start});
    }
    total2DLength = total;
}

// The ground distance between the section's ends on the reference line, in single precision.
float TrkFile::HorizontalLength(int s) const {
    const int next = (s + 1) % GetSectionCount();
    const TrackPoint p0 = GetPoint(GetSectionStart(s), 0);
    const TrackPoint p1 = GetPoint(GetSectionStart(next), 0);
    const float x0 = static_cast<float>(p0.x), y0 = static_cast<float>(p0.y);
    const float x1 = static_cast<float>(p1.x), y1 = static_cast<float>(p1.y);
    if (!IsCurve(s))
        return std::sqrt((x1 - x0) * (x1 - x0) + (y1 - y0) * (y1 - y0));
    const float cx = static_cast<float>(ToMetres(GetCentreX(s)));
    const float cy = static_cast<float>(ToMetres(GetCentreY(s)));
    const float v0x = x0 - cx, v0y = y0 - cy, v1x = x1 - cx, v1y = y1 - cy;
    const float angle = std::atan2(v0x * v1y - v0y * v1x, v0y * v1y + v0x * v1x);
    return std::sqrt(v0x * v0x + v0y * v0y) * std::fabs(angle);
}

int TrkFile::FindSection(std::int32_t longitude, std::int32_t& offset) const {
    const std::int32_t length = GetTrackLength();
    std::int32_t wrapped = longitude % length;
    if (wrapped < 0)
        wrapped += length;
    const auto it = section3DLongitudeMap.upper_bound(wrapped);
    TESSEL_CHECK(it != section3DLongitudeMap.end());
    offset = wrapped - it->second.start;
    return it->second.section;
}

std::map<float, TrkFile::Section2DStart>::const_iterator TrkFile::Find2D(double longitude,
                                                                       float& wrapped) const {
    // The remainder is exact, and unlike repeated subtraction it ends for any longitude.
    const float single = static_cast<float>(longitude);
    if (!std::isfinite(single)) {
        std::ostringstream text;
        text << longitude << " m is out of the range of a track";
        throw Util::XUsage(text.str());
    }
    wrapped = std::fmod(single, total2DLength);
    if (wrapped < 0.0f)
        wrapped += total2DLength;
    if (wrapped >= total2DLength)
        wrapped -= total2DLength;
    return section2DLongitudeMap.upper_bound(wrapped);
}

int TrkFile::Find2DSection(double longitude, double& offset) const {
    float wrapped = 0.0f;
    const auto it = Find2D(longitude, wrapped);
    TESSEL_CHECK(it != section2DLongitudeMap.end());
    offset = static_cast<double>(wrapped) - it->second.start;
    return it->second.section;
}

std::int32_t TrkFile::Get3DLongitude(double longitude) const {
    float wrapped = 0.0f;
    const auto it = Find2D(longitude, wrapped);
    TESSEL_CHECK(it != section2DLongitudeMap.end());
    const int s = it->second.section;
    return WrapAdd(GetSectionStart(s), ToUnits((wrapped - it->second.start) * section2DTable[s].ratio));
}

std::int32_t TrkFile::AltitudeAt(int s, int k, std::int32_t f) const {
    std::int32_t a = WrapAdd(FixedMultiply(GetAltitudeC3(s, k), f), GetAltitudeC2(s, k));
    a = WrapAdd(FixedMultiply(a, f), GetAltitudeC1(s, k));
    return WrapAdd(FixedMultiply(a, f), GetAltitudeC0(s, k));
}

std::int32_t TrkFile::GradeAt(int s, int k, std::int32_t f) const {
    std::int32_t g = WrapAdd(FixedMultiply(GetGradeC2(s, k), f), GetGradeC1(s, k));
    g = WrapAdd(FixedMultiply(g, f), GetAltitudeC1(s, k));
    return GradeOf(g, GetSectionLength(s));
}

// The line at or to the right of the lateral offset (line 0 left of it), and the distance
// from that line.
int TrkFile::FindXSection(std::int32_t lateral, std::int32_t& remainder) const {
    const int count = GetXSectionCount();
    int k = 1;
    while (k < count && lateral >= GetXSectionOffset(k))
        ++k;
    remainder = WrapSubtract(lateral, GetXSectionOffset(k - 1));
    return k - 1;
}

// The first strip whose far boundary, interpolated along the section, lies beyond the
// lateral offset; else the last strip.
int TrkFile::FindStrip(int s, std::int32_t offset, std::int32_t lateral) const {
    const std::int32_t f = Fraction(offset, GetSectionLength(s));
    const int count = GetStripCount(s);
    for (int j = 0; j < count; ++j) {
        const std::int32_t a = GetStripRightStart(s, j);
        const std::int32_t b = GetStripRightEnd(s, j);
        if ((lateral < a || lateral < b) && lateral < WrapAdd(FixedMultiply(WrapSubtract(b, a), f), a))
            return j;
    }
    return count - 1;
}

TrackPoint TrkFile::GetPoint(std::int32_t longitude, std::int32_t lateral) const {
    std::int32_t d = 0;
    const int s = FindSection(longitude, d);
    const std::int32_t f = Fraction(d, GetSectionLength(s));
    std::int32_t r = 0;
    const int k = FindXSection(lateral, r);
    const std::int32_t surface = GetSurfaceKind(s, FindStrip(s, d, lateral));

    std::int32_t z = AltitudeAt(s, k, f);
    std::int32_t grade = GradeAt(s, k, f);
    std::int32_t bank = 0;
    if (r >= 0 && k + 1 < GetXSectionCount()) {
        const std::int32_t z1 = AltitudeAt(s, k + 1, f);
        const std::int32_t grade1 = GradeAt(s, k + 1, f);
        const std::int32_t width = WrapSubtract(GetXSectionOffset(k + 1), GetXSectionOffset(k));
        bank = AngleOf(WrapSubtract(z1, z), width);
        const std::int32_t t = Fraction(r, width);
        grade = WrapAdd(FixedMultiply(WrapSubtract(grade1, grade), t), grade);
        z = WrapAdd(FixedMultiply(WrapSubtract(z1, z), t), z);
    }

    std::int32_t heading = GetSectionHeading(s);
    std::int32_t x = 0, y = 0;
    if (IsCurve(s)) {
        const std::int32_t turned = FixedMultiply(GetHalfArc(s), f);
        heading = WrapAdd(heading, WrapAdd(turned, turned));
        const std::int32_t rho = WrapSubtract(GetXSectionRadius(s, k), r);
        x = WrapAdd(FixedMultiply(rho, SinFixed(heading)), GetCentreX(s));
        y = WrapAdd(FixedMultiply(rho, -CosFixed(heading)), GetCentreY(s));
    } else {
        x = WrapAdd(WrapAdd(GetXSectionStartX(s, k), FixedMultiply(d, GetDirectionX(s))),
                    FixedMultiply(r, GetNormalX(s)));
        y = WrapAdd(WrapAdd(GetXSectionStartY(s, k), FixedMultiply(d, GetDirectionY(s))),
                    FixedMultiply(r, GetNormalY(s)));
    }
    return {ToMetres(x), ToMetres(y), ToMetres(z), ToRadians(heading), GradeToSlope(grade),
            ToRadians(bank), surface};
}

}  // namespace Tessel::Papy
