#pragma once

#include "Papy/Tracks/Track.h"
#include "Papy/Tracks/Trk/TrkFile.h"

#include <memory>
#include <vector>

namespace Tessel::Papy {

// A TRK track file (GPL or ICR2) as the track model, in metres and radians: one segment per
// section. Asks for a segment by an index at or beyond the count fail the assertion check;
// a lateral offset beyond the range of track units, or a longitude beyond that of a float,
// throws XUsage.
class TrkTrack : public Track {
public:
    explicit TrkTrack(std::shared_ptr<TrkFile> file);

    double GetLength() const override;
    double Get2DLength() const override { return file->Get2DLength(); }
    double Get3DLongitude(double longitude) const override;
    std::uint32_t GetSegmentCount() const override { return static_cast<std::uint32_t>(segments.size()); }
    std::shared_ptr<TrackSegment> GetSegment(std::uint32_t index) const override;
    double GetSegmentLongitude(std::uint32_t index) const override;
    double GetSegment2DLongitude(std::uint32_t index) const override;
    std::shared_ptr<TrackSegment> FindSegment(double longitude, double& offset) const override;
    TrackPoint GetPoint(double longitude, double lateral) const override;
    void Write(const std::shared_ptr<Util::BinaryStream>& stream) const override { file->Write(*stream); }

private:
    int CheckedIndex(std::uint32_t index) const;

    std::shared_ptr<TrkFile> file;
    std::vector<std::shared_ptr<TrackSegment>> segments;
};

}  // namespace Tessel::Papy
