#pragma once

#include "Papy/Factory/MakeTrk.h"
#include "Papy/Factory/TrackModelMaker.h"

namespace Tessel::Papy {

class TrkFile;

// Builds the track model over a TRK file that the factory's MakeTrk facet opens ("trk").
class TrkMakeTrack : public TrackModelMaker<MakeTrk, TrkFile> {
public:
    TrkMakeTrack(PapyDirectory directory, std::shared_ptr<MakeTrk> makeTrk)
        : TrackModelMaker(std::move(directory), "trk", std::move(makeTrk)) {}

private:
    std::shared_ptr<Track> Build(std::shared_ptr<TrkFile> file, const std::string& path) override;
};

}  // namespace Tessel::Papy
