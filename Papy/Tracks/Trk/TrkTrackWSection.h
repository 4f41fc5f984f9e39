#pragma once

#include "Papy/Tracks/TrackWSection.h"
#include "Papy/Tracks/Trk/TrkFile.h"

#include <memory>

namespace Tessel::Papy {

// Wall w of section s of a TRK file, in metres. The wall's offset is its centre line.
class TrkTrackWSection : public TrackWSection {
public:
    TrkTrackWSection(std::shared_ptr<TrkFile> file, int s, int w) : file(std::move(file)), s(s), w(w) {}

    double GetStartOffset() const override;
    double GetEndOffset() const override;
    // One height for both ends.
    double GetStartHeight() const override;
    double GetEndHeight() const override { return GetStartHeight(); }
    double GetStartWidth() const override;
    double GetEndWidth() const override;
    std::int32_t GetType() const override { return file->GetWallKind(s, w); }

private:
    std::shared_ptr<TrkFile> file;
    int s;
    int w;
};

}  // namespace Tessel::Papy
