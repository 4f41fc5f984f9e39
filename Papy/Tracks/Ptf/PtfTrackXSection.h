#pragma once

#include "Papy/Objects/ThreeDObjectXSection.h"
#include "Papy/Tracks/TrackXSection.h"

#include <memory>

namespace Tessel::Papy {

class TdoFile;

// A cross-section node of a PTF file as a cross-section line of the track model. Its altitude
// is the Hermite cubic of the end altitudes and end grades over the segment fraction t, the
// grade being the altitude change per whole segment. Reads and changes the node itself, so
// every later evaluation sees a change.
class PtfTrackXSection : public TrackXSection {
public:
    PtfTrackXSection(std::shared_ptr<TdoFile> file, std::shared_ptr<ThreeDObjectXSection> node)
        : file(std::move(file)), node(std::move(node)) {}

    double GetStartOffset() const override { return node->GetStartOffset(); }
    double GetEndOffset() const override { return node->GetEndOffset(); }
    void SetOffset(double start, double end) override { node->SetOffset(start, end); }
    double GetStartAltitude() const override { return node->GetStartAltitude(); }
    double GetEndAltitude() const override { return node->GetEndAltitude(); }
    double GetStartGrade() const override { return node->GetStartGrade(); }
    double GetEndGrade() const override { return node->GetEndGrade(); }
    void SetAltitude(double a0, double a1, double g0, double g1) override { node->SetAltitude(a0, a1, g0, g1); }
    double GetLinearTerm() const override { return node->GetStartGrade(); }
    double GetQuadraticTerm() const override;
    double GetCubicTerm() const override;
    // Unlike the TRK lines, takes the segment fraction t, not metres into the segment.
    double GetAltitude(double t) const override;

    // The grade (altitude change per whole segment) at fraction t.
    double GetGrade(double t) const;
    // The lateral offset at fraction t, between the end offsets.
    double GetOffset(double t) const { return GetStartOffset() * (1.0 - t) + GetEndOffset() * t; }

private:
    std::shared_ptr<TdoFile> file;  // keeps the node's file alive
    std::shared_ptr<ThreeDObjectXSection> node;
};

}  // namespace Tessel::Papy
