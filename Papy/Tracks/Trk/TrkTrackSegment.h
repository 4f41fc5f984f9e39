#pragma once

#include "Papy/Tracks/TrackSegment.h"
#include "Papy/Tracks/Trk/TrkFile.h"

#include <memory>
#include <vector>

namespace Tessel::Papy {

// Section s of a TRK file as a segment of the track model, in metres and radians. Asks for a
// section part by an index at or beyond its count fail the assertion check.
class TrkTrackSegment : public TrackSegment {
public:
    TrkTrackSegment(std::shared_ptr<TrkFile> file, int s);

    bool IsCurve() const override { return file->IsCurve(s); }
    double GetStartX() const override;
    double GetStartY() const override;
    double GetEndX() const override;
    double GetEndY() const override;
    double GetLength() const override;
    double Get2DLength() const override { return file->GetSection2DLength(s); }
    void GetArc(double& centreX, double& centreY, double& radius, double& angle) const override;
    double GetStartHeading() const override;
    double GetEndHeading() const override;

    std::uint32_t GetXSectionCount() const override { return static_cast<std::uint32_t>(xSections.size()); }
    std::shared_ptr<TrackXSection> GetXSection(std::uint32_t index) const override;
    std::uint32_t GetFSectionCount() const override { return static_cast<std::uint32_t>(fSections.size()); }
    std::shared_ptr<TrackFSection> GetFSection(std::uint32_t index) const override;
    std::uint32_t GetWSectionCount() const override { return static_cast<std::uint32_t>(wSections.size()); }
    std::shared_ptr<TrackWSection> GetWSection(std::uint32_t index) const override;

    TrackPoint GetPoint(double offset, double lateral) const override;

private:
    std::shared_ptr<TrkFile> file;
    int s;
    int next;  // the section that starts where this one ends
    std::vector<std::shared_ptr<TrackFSection>> fSections;
    std::vector<std::shared_ptr<TrackWSection>> wSections;
    std::vector<std::shared_ptr<TrackXSection>> xSections;
};

}  // namespace Tessel::Papy
