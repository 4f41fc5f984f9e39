#pragma once

#include "Papy/Factory/MakeTrk.h"
#include "Papy/Factory/TrackFileMaker.h"

namespace Tessel::Papy {

class TrkFile;

// Opens ICR2 TRK files ("trk"), loose or from the track's archive.
class ICR2MakeTrk : public TrackFileMaker<MakeTrk, TrkFile> {
public:
    ICR2MakeTrk(PapyDirectory directory, std::shared_ptr<GetDat> archive)
        : TrackFileMaker(std::move(directory), std::move(archive), "trk") {}

private:
    std::shared_ptr<TrkFile> Read(std::shared_ptr<Util::BinaryStream> stream) override;
};

}  // namespace Tessel::Papy
