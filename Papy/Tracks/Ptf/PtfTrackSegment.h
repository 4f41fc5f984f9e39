#pragma once

#include "Papy/Objects/ThreeDObjectFSection.h"
#include "Papy/Objects/ThreeDObjectTrackSegment.h"
#include "Papy/Tracks/Ptf/PtfSegmentGeometry.h"
#include "Papy/Tracks/TrackSegment.h"

#include <memory>
#include <string>
#include <vector>

namespace Tessel::Papy {

class PtfTrackXSection;
class TdoFile;

// A segment node of a PTF file as a segment of the track model. PTF lengths are horizontal, so
// the surface length equals the horizontal one. m F-section nodes give m - 1 surface strips.
// Asks for a part by an index at or beyond its count break the assertion check.
class PtfTrackSegment : public TrackSegment {
public:
    // Throws XFileFormat with fileName when the segment has no cross section ("N4 ptf
    // TrackSegment without X section") or no F section ("N4 ptf TrackSegment without F
    // section"): a point could not be evaluated on it. An arc that is no circle breaks the
    // assertions of PtfSegmentGeometry.
    PtfTrackSegment(std::shared_ptr<TdoFile> file, std::shared_ptr<ThreeDObjectTrackSegment> node,
                    const std::string& fileName);

    bool IsCurve() const override { return geometry.IsArc(); }
    double GetStartX() const override { return node->GetStartX(); }
    double GetStartY() const override { return node->GetStartY(); }
    double GetEndX() const override { return node->GetEndX(); }
    double GetEndY() const override { return node->GetEndY(); }
    double GetLength() const override { return Get2DLength(); }
    double Get2DLength() const override { return geometry.GetLength(); }
    void GetArc(double& centreX, double& centreY, double& radius, double& angle) const override;
    double GetStartHeading() const override { return node->GetStartHeading(); }
    double GetEndHeading() const override { return node->GetEndHeading(); }

    std::uint32_t GetXSectionCount() const override { return static_cast<std::uint32_t>(xSections.size()); }
    std::shared_ptr<TrackXSection> GetXSection(std::uint32_t index) const override;
    std::uint32_t GetFSectionCount() const override { return static_cast<std::uint32_t>(fSections.size()); }
    std::shared_ptr<TrackFSection> GetFSection(std::uint32_t index) const override;
    std::uint32_t GetWSectionCount() const override { return static_cast<std::uint32_t>(wSections.size()); }
    std::shared_ptr<TrackWSection> GetWSection(std::uint32_t index) const override;

    TrackPoint GetPoint(double offset, double lateral) const override;
    // The point at fraction t of the segment (0 at its start, 1 at its end).
    TrackPoint Evaluate(double t, double lateral) const;

private:
    // Altitude, pitch and bank at fraction t from the cross-section lines either side of the
    // lateral offset.
    void EvaluateHeight(double t, double lateral, TrackPoint& point) const;
    // The surface kind of the band that holds the lateral offset.
    std::int32_t GetSurfaceAt(double t, double lateral) const;

    std::shared_ptr<TdoFile> file;  // keeps the nodes' file alive
    std::shared_ptr<ThreeDObjectTrackSegment> node;
    PtfSegmentGeometry geometry;
    std::vector<std::shared_ptr<ThreeDObjectFSection>> boundaries;  // the F-section nodes
    std::vector<std::shared_ptr<TrackFSection>> fSections;
    std::vector<std::shared_ptr<TrackWSection>> wSections;
    std::vector<std::shared_ptr<PtfTrackXSection>> xSections;
};

}  // namespace Tessel::Papy
