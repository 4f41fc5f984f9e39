#include "Papy/Tracks/Ptf/PtfTrackXSection.h"

namespace Tessel::Papy {

double PtfTrackXSection::GetQuadraticTerm() const {
    const double rise = GetEndAltitude() - GetStartAltitude();
    return 3.0 * rise - 2.0 * GetStartGrade() - GetEndGrade();
}

double PtfTrackXSection::GetCubicTerm() const {
    const double rise = GetEndAltitude() - GetStartAltitude();
    return (GetStartGrade() + GetEndGrade()) - 2.0 * rise;
}

double PtfTrackXSection::GetAltitude(double t) const {
    return GetCubicTerm() * t * t * t + GetQuadraticTerm() * t * t + GetLinearTerm() * t + GetStartAltitude();
}

double PtfTrackXSection::GetGrade(double t) const {
    return GetLinearTerm() + 2.0 * GetQuadraticTerm() * t + 3.0 * GetCubicTerm() * t * t;
}

}  // namespace Tessel::Papy
