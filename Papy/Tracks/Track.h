#pragma once

#include "Papy/Tracks/TrackPoint.h"
#include "Papy/Tracks/TrackSegment.h"
#include "Util/BinaryStream.h"

#include <cstdint>
#include <memory>

namespace Tessel::Papy {

// The abstract track: maps a (longitude, lateral offset) pair to world coordinates. Lengths
// and coordinates in metres, angles in radians; lateral offsets are positive to the left.
// Longitude runs from 0 at the start of segment 0 and is periodic with the track length.
// Longitudes are horizontal (2D) unless a name says otherwise. A track keeps its segments
// alive. The model offers no mapping from world coordinates back to the track.
class Track {
public:
    virtual ~Track() = default;

    // Surface (3D) and horizontal (2D) length of the whole track.
    virtual double GetLength() const = 0;
    virtual double Get2DLength() const = 0;
    // The surface longitude of a horizontal longitude.
    virtual double Get3DLongitude(double longitude) const = 0;

    virtual std::uint32_t GetSegmentCount() const = 0;
    virtual std::shared_ptr<TrackSegment> GetSegment(std::uint32_t index) const = 0;
    // Surface and horizontal longitude of the segment's start.
    virtual double GetSegmentLongitude(std::uint32_t index) const = 0;
    virtual double GetSegment2DLongitude(std::uint32_t index) const = 0;
    // The segment containing the longitude; offset receives the 2D distance from its start.
    virtual std::shared_ptr<TrackSegment> FindSegment(double longitude, double& offset) const = 0;

    virtual TrackPoint GetPoint(double longitude, double lateral) const = 0;

    // The first three fields of GetPoint.
    virtual void GetPosition(double longitude, double lateral, double& x, double& y, double& z) const {
        const TrackPoint point = GetPoint(longitude, lateral);
        x = point.x;
        y = point.y;
        z = point.z;
    }
    // The heading of GetPoint on the reference line.
    virtual double GetHeading(double longitude) const { return GetPoint(longitude, 0.0).heading; }

    // Writes the underlying track file to the stream.
    virtual void Write(const std::shared_ptr<Util::BinaryStream>& stream) const = 0;
};

}  // namespace Tessel::Papy
