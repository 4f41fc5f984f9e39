#pragma once

#include "Papy/Tracks/TrackXSection.h"
#include "Papy/Tracks/Trk/TrkFile.h"

#include <memory>

namespace Tessel::Papy {

// Cross-section line k of section s of a TRK file, in metres. TRK lines keep one lateral
// offset along the whole track, so both ends have the same offset.
class TrkTrackXSection : public TrackXSection {
public:
    TrkTrackXSection(std::shared_ptr<TrkFile> file, int s, int k) : file(std::move(file)), s(s), k(k) {}

    double GetStartOffset() const override;
    double GetEndOffset() const override { return GetStartOffset(); }
    // Moves line k on every section, only when both ends are given the same offset and the
    // lines stay in lateral order.
    void SetOffset(double start, double end) override;
    double GetStartAltitude() const override;
    double GetEndAltitude() const override;
    double GetStartGrade() const override;
    double GetEndGrade() const override;
    void SetAltitude(double a0, double a1, double g0, double g1) override;
    double GetLinearTerm() const override;
    double GetQuadraticTerm() const override;
    double GetCubicTerm() const override;
    double GetAltitude(double offset) const override;

private:
    std::shared_ptr<TrkFile> file;
    int s;
    int k;
};

}  // namespace Tessel::Papy
