#pragma once

#include "Papy/Factory/MakePtf.h"
#include "Papy/Factory/TrackFileMaker.h"

namespace Tessel::Papy {

class N4TdoFile;

// Opens PTF files ("ptf"), loose or from the track's archive, as N4 object archives read with
// the process-wide node descriptors.
class N4MakePtf : public TrackFileMaker<MakePtf, N4TdoFile> {
public:
    N4MakePtf(PapyDirectory directory, std::shared_ptr<GetDat> archive)
        : TrackFileMaker(directory, std::move(archive), "ptf"),
          directory(std::make_shared<const PapyDirectory>(std::move(directory))) {}

private:
    std::shared_ptr<N4TdoFile> Read(std::shared_ptr<Util::BinaryStream> stream) override;

    std::shared_ptr<const PapyDirectory> directory;
};

}  // namespace Tessel::Papy
