#include "Papy/Tracks/Trk/TrkTrackWSection.h"

#include "Papy/Tracks/Trk/TrkFixedPoint.h"

namespace Tessel::Papy {

// Halves of the metre values, so that offsets far apart do not leave 32 bits.
double TrkTrackWSection::GetStartOffset() const {
    return (ToMetres(file->GetWallLeftStart(s, w)) + ToMetres(file->GetWallRightStart(s, w))) / 2.0;
}

double TrkTrackWSection::GetEndOffset() const {
    return (ToMetres(file->GetWallLeftEnd(s, w)) + ToMetres(file->GetWallRightEnd(s, w))) / 2.0;
}

double TrkTrackWSection::GetStartHeight() const { return ToMetres(file->GetWallHeight(s, w)); }

double TrkTrackWSection::GetStartWidth() const {
    return ToMetres(file->GetWallRightStart(s, w)) - ToMetres(file->GetWallLeftStart(s, w));
}

double TrkTrackWSection::GetEndWidth() const {
    return ToMetres(file->GetWallRightEnd(s, w)) - ToMetres(file->GetWallLeftEnd(s, w));
}

}  // namespace Tessel::Papy
