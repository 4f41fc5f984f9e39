#pragma once

#include "Papy/Tracks/TrackFSection.h"
#include "Papy/Tracks/TrackPoint.h"
#include "Papy/Tracks/TrackWSection.h"
#include "Papy/Tracks/TrackXSection.h"

#include <cstdint>
#include <memory>

namespace Tessel::Papy {

// A straight or a circular arc of the track's reference line (lateral offset 0). Lengths and
// coordinates in metres, angles in radians. A segment keeps its section objects alive.
class TrackSegment {
public:
    virtual ~TrackSegment() = default;

    // True for an arc.
    virtual bool IsCurve() const = 0;

    // The reference line at the segment start and at its end (the start of the next segment).
    virtual double GetStartX() const = 0;
    virtual double GetStartY() const = 0;
    virtual double GetEndX() const = 0;
    virtual double GetEndY() const = 0;

    // Surface (3D) and horizontal (2D) length.
    virtual double GetLength() const = 0;
    virtual double Get2DLength() const = 0;

    // The arc's centre, the radius of the reference line (positive) and the signed turning
    // angle (positive to the left). Meaningful for arcs only.
    virtual void GetArc(double& centreX, double& centreY, double& radius, double& angle) const = 0;

    virtual double GetStartHeading() const = 0;
    virtual double GetEndHeading() const = 0;

    virtual std::uint32_t GetXSectionCount() const = 0;
    virtual std::shared_ptr<TrackXSection> GetXSection(std::uint32_t index) const = 0;
    virtual std::uint32_t GetFSectionCount() const = 0;
    virtual std::shared_ptr<TrackFSection> GetFSection(std::uint32_t index) const = 0;
    virtual std::uint32_t GetWSectionCount() const = 0;
    virtual std::shared_ptr<TrackWSection> GetWSection(std::uint32_t index) const = 0;

    // The point at offset (2D distance into the segment) and lateral offset: the track's
    // GetPoint at the segment's 2D start plus offset.
    virtual TrackPoint GetPoint(double offset, double lateral) const = 0;
};

}  // namespace Tessel::Papy
