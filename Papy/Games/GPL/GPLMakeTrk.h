#pragma once

#include "Papy/Factory/MakeTrk.h"
#include "Papy/Factory/TrackFileMaker.h"

namespace Tessel::Papy {

class TrkFile;

// Opens GPL TRK files ("trk"), loose or from the track's archive.
class GPLMakeTrk : public TrackFileMaker<MakeTrk, TrkFile> {
public:
    GPLMakeTrk(PapyDirectory directory, std::shared_ptr<GetDat> archive)
        : TrackFileMaker(std::move(directory), std::move(archive), "trk") {}

private:
    std::shared_ptr<TrkFile> Read(std::shared_ptr<Util::BinaryStream> stream) override;
};

}  // namespace Tessel::Papy
