#include "Papy/Tracks/Ptf/PtfTrack.h"

#include "Papy/Objects/TdoFile.h"
#include "Papy/Objects/ThreeDObjectRoot.h"
#include "Papy/Objects/ThreeDObjectTrack.h"
#include "Papy/Tracks/Ptf/PtfTrackSegment.h"
#include "Util/Exception.h"

#include <algorithm>

namespace Tessel::Papy {

namespace {

std::shared_ptr<ThreeDObjectTrack> TrackOf(const TdoFile& file, const std::string& fileName) {
    const auto root = file.GetRoot();
    std::shared_ptr<ThreeDObjectTrack> track;
    if (root->GetChildCount() > 0)
        track = std::dynamic_pointer_cast<ThreeDObjectTrack>(root->GetChild(0));
    if (!track)
        throw Util::XFileFormat(fileName, "N4 ptf root object not a Track");
    if (track->GetSegmentCount() == 0)
        throw Util::XFileFormat(fileName, "N4 ptf Track without segments");
    return track;
}

}  // namespace

PtfTrack::PtfTrack(std::shared_ptr<TdoFile> tdoFile, const std::string& fileName)
    : file(std::move(tdoFile)), track(TrackOf(*file, fileName)) {
    for (std::uint32_t i = 0; i < track->GetSegmentCount(); ++i) {
        segments.push_back(std::make_shared<PtfTrackSegment>(file, track->GetSegment(i), fileName));
        starts.push_back(length);
        length += segments.back()->Get2DLength();
    }
}

std::shared_ptr<TrackSegment> PtfTrack::GetSegment(std::uint32_t index) const {
    TESSEL_CHECK(index < segments.size());
    return segments[index];
}

double PtfTrack::GetSegmentLongitude(std::uint32_t index) const {
    TESSEL_CHECK(index < segments.size());
    return starts[index];
}

// Within the lap the segment whose span holds the longitude; before it segment 0; after it the
// next lap's segment 0, as far as that reaches.
std::size_t PtfTrack::FindSegmentIndex(double longitude, double& offset) const {
    if (longitude < 0.0) {
        offset = longitude;
        return 0;
    }
    if (longitude < length) {
        const std::size_t index = std::upper_bound(starts.begin(), starts.end(), longitude) - starts.begin() - 1;
        offset = longitude - starts[index];
        return index;
    }
    offset = longitude - length;
    // Written so that a NaN fails the check too.
    if (!(offset < segments.front()->Get2DLength()))
        Util::AssertionFailed("false", __FILE__, __LINE__);
    return 0;
}

std::shared_ptr<TrackSegment> PtfTrack::FindSegment(double longitude, double& offset) const {
    return segments[FindSegmentIndex(longitude, offset)];
}

TrackPoint PtfTrack::GetPoint(double longitude, double lateral) const {
    double offset = 0.0;
    return segments[FindSegmentIndex(longitude, offset)]->GetPoint(offset, lateral);
}

void PtfTrack::Write(const std::shared_ptr<Util::BinaryStream>& stream) const { file->Save(*stream); }

}  // namespace Tessel::Papy
