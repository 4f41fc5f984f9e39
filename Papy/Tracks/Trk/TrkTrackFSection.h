#pragma once

#include "Papy/Tracks/TrackFSection.h"
#include "Papy/Tracks/Trk/TrkFile.h"
#include "Papy/Tracks/Trk/TrkFixedPoint.h"

#include <memory>

namespace Tessel::Papy {

// Surface strip j of section s of a TRK file, in metres.
class TrkTrackFSection : public TrackFSection {
public:
    TrkTrackFSection(std::shared_ptr<TrkFile> file, int s, int j) : file(std::move(file)), s(s), j(j) {}

    double GetStartLeft() const override { return ToMetres(file->GetStripLeftStart(s, j)); }
    double GetEndLeft() const override { return ToMetres(file->GetStripLeftEnd(s, j)); }
    double GetStartRight() const override { return ToMetres(file->GetStripRightStart(s, j)); }
    double GetEndRight() const override { return ToMetres(file->GetStripRightEnd(s, j)); }
    std::int32_t GetType() const override { return file->GetSurfaceKind(s, j); }
    std::int32_t GetVariant() const override { return file->GetSurfaceVariant(s, j); }

private:
    std::shared_ptr<TrkFile> file;
    int s;
    int j;
};

}  // namespace Tessel::Papy
