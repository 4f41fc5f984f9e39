#include "Papy/Tracks/Trk/TrkTrackXSection.h"

#include "Papy/Tracks/Trk/TrkFixedPoint.h"

namespace Tessel::Papy {

double TrkTrackXSection::GetStartOffset() const { return ToMetres(file->GetXSectionOffset(k)); }

void TrkTrackXSection::SetOffset(double start, double end) {
    if (start == end)
        file->SetXSectionOffset(k, ToUnits(start));
}

double TrkTrackXSection::GetStartAltitude() const { return ToMetres(file->GetAltitudeC0(s, k)); }

double TrkTrackXSection::GetEndAltitude() const {
    return ToMetres(file->GetAltitudeC0(s, k)) + GetLinearTerm() + GetQuadraticTerm() + GetCubicTerm();
}

double TrkTrackXSection::GetStartGrade() const { return GetLinearTerm(); }

double TrkTrackXSection::GetEndGrade() const {
    return GetLinearTerm() + 2.0 * GetQuadraticTerm() + 3.0 * GetCubicTerm();
}

// The cubic with the given end altitudes and end grades (altitude change per whole section).
void TrkTrackXSection::SetAltitude(double a0, double a1, double g0, double g1) {
    const double rise = a1 - a0;
    file->SetAltitudeCoefficients(s, k, ToUnits(a0), ToUnits(g0), ToUnits(3.0 * rise - 2.0 * g0 - g1),
                                  ToUnits((g1 + g0) - 2.0 * rise));
}

double TrkTrackXSection::GetLinearTerm() const { return ToMetres(file->GetAltitudeC1(s, k)); }

double TrkTrackXSection::GetQuadraticTerm() const { return ToMetres(file->GetAltitudeC2(s, k)); }

double TrkTrackXSection::GetCubicTerm() const { return ToMetres(file->GetAltitudeC3(s, k)); }

double TrkTrackXSection::GetAltitude(double offset) const {
    const std::int32_t longitude = file->Get3DLongitude(file->GetSection2DStart(s) + offset);
    return file->GetPoint(longitude, file->GetXSectionOffset(k)).z;
}

}  // namespace Tessel::Papy
