#pragma once

#include "Papy/Factory/FileLocator.h"
#include "Papy/Factory/MakeTrack.h"
#include "Papy/Factory/MakeTrk.h"

#include <map>

namespace Tessel::Papy {

// Builds the track model over a TRK file that the factory's MakeTrk facet opens ("trk").
class TrkMakeTrack : public MakeTrack {
public:
    TrkMakeTrack(PapyDirectory directory, std::shared_ptr<MakeTrk> makeTrk)
        : locator(std::move(directory), "trk"), makeTrk(std::move(makeTrk)) {}

    std::shared_ptr<Track> Make(const std::string& baseName, const std::string& extension, bool archiveOnly) override;
    void Purge() override { cache.clear(); }

private:
    FileLocator locator;
    std::shared_ptr<MakeTrk> makeTrk;
    std::map<std::string, std::shared_ptr<Track>> cache;
};

}  // namespace Tessel::Papy
