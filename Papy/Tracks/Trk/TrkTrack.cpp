#include "Papy/Tracks/Trk/TrkTrack.h"

#include "Papy/Tracks/Trk/TrkFixedPoint.h"
#include "Papy/Tracks/Trk/TrkTrackSegment.h"
#include "Util/Exception.h"

namespace Tessel::Papy {

TrkTrack::TrkTrack(std::shared_ptr<TrkFile> trkFile) : file(std::move(trkFile)) {
    for (int s = 0; s < file->GetSectionCount(); ++s)
        segments.push_back(std::make_shared<TrkTrackSegment>(file, s));
}

double TrkTrack::GetLength() const { return ToMetres(file->GetTrackLength()); }

double TrkTrack::Get3DLongitude(double longitude) const { return ToMetres(file->Get3DLongitude(longitude)); }

int TrkTrack::CheckedIndex(std::uint32_t index) const {
    TESSEL_CHECK(index < segments.size());
    return static_cast<int>(index);
}

std::shared_ptr<TrackSegment> TrkTrack::GetSegment(std::uint32_t index) const {
    return segments[CheckedIndex(index)];
}

double TrkTrack::GetSegmentLongitude(std::uint32_t index) const {
    return ToMetres(file->GetSectionStart(CheckedIndex(index)));
}

double TrkTrack::GetSegment2DLongitude(std::uint32_t index) const {
    return file->GetSection2DStart(CheckedIndex(index));
}

std::shared_ptr<TrackSegment> TrkTrack::FindSegment(double longitude, double& offset) const {
    return segments[file->Find2DSection(longitude, offset)];
}

TrackPoint TrkTrack::GetPoint(double longitude, double lateral) const {
    return file->GetPoint(file->Get3DLongitude(longitude), ToUnits(lateral));
}

}  // namespace Tessel::Papy
