#include "Papy/Tracks/Trk/TrkTrackSegment.h"

#include "Papy/Tracks/TrackPartAt.h"
#include "Papy/Tracks/Trk/TrkFixedPoint.h"
#include "Papy/Tracks/Trk/TrkTrackFSection.h"
#include "Papy/Tracks/Trk/TrkTrackWSection.h"
#include "Papy/Tracks/Trk/TrkTrackXSection.h"
#include "Util/Exception.h"

namespace Tessel::Papy {

TrkTrackSegment::TrkTrackSegment(std::shared_ptr<TrkFile> trkFile, int s)
    : file(std::move(trkFile)), s(s), next((s + 1) % file->GetSectionCount()) {
    for (int j = 0; j < file->GetStripCount(s); ++j)
        fSections.push_back(std::make_shared<TrkTrackFSection>(file, s, j));
    for (int w = 0; w < file->GetWallCount(s); ++w)
        wSections.push_back(std::make_shared<TrkTrackWSection>(file, s, w));
    for (int k = 0; k < file->GetXSectionCount(); ++k)
        xSections.push_back(std::make_shared<TrkTrackXSection>(file, s, k));
}

double TrkTrackSegment::GetStartX() const { return file->GetPoint(file->GetSectionStart(s), 0).x; }

double TrkTrackSegment::GetStartY() const { return file->GetPoint(file->GetSectionStart(s), 0).y; }

double TrkTrackSegment::GetEndX() const { return file->GetPoint(file->GetSectionStart(next), 0).x; }

double TrkTrackSegment::GetEndY() const { return file->GetPoint(file->GetSectionStart(next), 0).y; }

double TrkTrackSegment::GetLength() const { return ToMetres(file->GetSectionLength(s)); }

void TrkTrackSegment::GetArc(double& centreX, double& centreY, double& radius, double& angle) const {
    centreX = ToMetres(file->GetCentreX(s));
    centreY = ToMetres(file->GetCentreY(s));
    angle = HalfToRadians(file->GetHalfArc(s));
    // Line 0's radius is signed by the turn; its offset brings it back to the reference line.
    radius = ToMetres(WrapAdd(file->GetXSectionOffset(0), file->GetXSectionRadius(s, 0)));
    radius *= angle >= 0.0 ? 1.0 : -1.0;
}

double TrkTrackSegment::GetStartHeading() const { return ToRadians(file->GetSectionHeading(s)); }

double TrkTrackSegment::GetEndHeading() const { return ToRadians(file->GetSectionHeading(next)); }

std::shared_ptr<TrackXSection> TrkTrackSegment::GetXSection(std::uint32_t index) const {
    return TrackPartAt(xSections, index);
}

std::shared_ptr<TrackFSection> TrkTrackSegment::GetFSection(std::uint32_t index) const {
    return TrackPartAt(fSections, index);
}

std::shared_ptr<TrackWSection> TrkTrackSegment::GetWSection(std::uint32_t index) const {
    return TrackPartAt(wSections, index);
}

TrackPoint TrkTrackSegment::GetPoint(double offset, double lateral) const {
    return file->GetPoint(file->Get3DLongitude(file->GetSection2DStart(s) + offset), ToUnits(lateral));
}

}  // namespace Tessel::Papy
