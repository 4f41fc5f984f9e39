#pragma once

#include "Papy/Factory/MakePtf.h"
#include "Papy/Factory/TrackModelMaker.h"

namespace Tessel::Papy {

class N4TdoFile;

// Builds the PTF track model over a PTF file that the factory's MakePtf facet opens ("ptf").
class N4MakeTrack : public TrackModelMaker<MakePtf, N4TdoFile> {
public:
    N4MakeTrack(PapyDirectory directory, std::shared_ptr<MakePtf> makePtf)
        : TrackModelMaker(std::move(directory), "ptf", std::move(makePtf)) {}

private:
    std::shared_ptr<Track> Build(std::shared_ptr<N4TdoFile> file, const std::string& path) override;
};

}  // namespace Tessel::Papy
