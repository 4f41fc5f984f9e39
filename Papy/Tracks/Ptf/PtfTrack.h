#pragma once

#include "Papy/Tracks/Track.h"

#include <memory>
#include <string>
#include <vector>

namespace Tessel::Papy {

class PtfTrackSegment;
class TdoFile;
class ThreeDObjectTrack;

// A PTF track (the track node at the top of an N4 object archive) as the track model. The
// geometry is kept in doubles in metres and radians; PTF lengths are horizontal, so surface and
// horizontal longitudes are the same. Longitudes are not wrapped: a negative one lies in
// segment 0, and one up to a lap plus segment 0's length is taken in the next lap.
class PtfTrack : public Track {
public:
    // Takes the root's first child as the track. Throws XFileFormat with fileName when it is
    // not a track ("N4 ptf root object not a Track"), when the track has no segment ("N4 ptf
    // Track without segments") and for a segment that PtfTrackSegment refuses.
    PtfTrack(std::shared_ptr<TdoFile> file, const std::string& fileName);

    double GetLength() const override { return length; }
    double Get2DLength() const override { return length; }
    double Get3DLongitude(double longitude) const override { return longitude; }
    std::uint32_t GetSegmentCount() const override { return static_cast<std::uint32_t>(segments.size()); }
    // Break the assertion check for an index at or beyond the count.
    std::shared_ptr<TrackSegment> GetSegment(std::uint32_t index) const override;
    double GetSegmentLongitude(std::uint32_t index) const override;
    double GetSegment2DLongitude(std::uint32_t index) const override { return GetSegmentLongitude(index); }
    // Breaks the assertion "false" for a longitude beyond a lap plus segment 0 (or no number).
    std::shared_ptr<TrackSegment> FindSegment(double longitude, double& offset) const override;
    TrackPoint GetPoint(double longitude, double lateral) const override;
    // Saves the whole object archive.
    void Write(const std::shared_ptr<Util::BinaryStream>& stream) const override;

private:
    std::size_t FindSegmentIndex(double longitude, double& offset) const;

    std::shared_ptr<TdoFile> file;
    std::shared_ptr<ThreeDObjectTrack> track;
    std::vector<std::shared_ptr<PtfTrackSegment>> segments;
    std::vector<double> starts;  // the longitude of each segment's start
    double length = 0.0;
};

}  // namespace Tessel::Papy
