#pragma once

#include "Papy/Factory/MakePtf.h"
#include "Papy/Factory/MakeTrack.h"
#include "Papy/Factory/TrackMaker.h"

namespace Tessel::Papy {

// Builds the PTF track model over a PTF file that the factory's MakePtf facet opens ("ptf").
class N4MakeTrack : public TrackMaker<MakeTrack, Track> {
public:
    N4MakeTrack(PapyDirectory directory, std::shared_ptr<MakePtf> makePtf)
        : TrackMaker(std::move(directory), "ptf"), makePtf(std::move(makePtf)) {}

private:
    std::shared_ptr<Track> Open(const std::string& fileName, const std::string& baseName,
                                const std::string& extension, bool archiveOnly) override;

    std::shared_ptr<MakePtf> makePtf;
};

}  // namespace Tessel::Papy
