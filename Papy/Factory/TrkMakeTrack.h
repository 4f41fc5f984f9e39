#pragma once

#include "Papy/Factory/MakeTrack.h"
#include "Papy/Factory/MakeTrk.h"
#include "Papy/Factory/TrackMaker.h"

namespace Tessel::Papy {

// Builds the track model over a TRK file that the factory's MakeTrk facet opens ("trk").
class TrkMakeTrack : public TrackMaker<MakeTrack, Track> {
public:
    TrkMakeTrack(PapyDirectory directory, std::shared_ptr<MakeTrk> makeTrk)
        : TrackMaker(std::move(directory), "trk"), makeTrk(std::move(makeTrk)) {}

private:
    std::shared_ptr<Track> Open(const std::string& fileName, const std::string& baseName,
                                const std::string& extension, bool archiveOnly) override;

    std::shared_ptr<MakeTrk> makeTrk;
};

}  // namespace Tessel::Papy
