#pragma once

#include "Papy/Factory/LooseFileMaker.h"
#include "Papy/Factory/MakeRpy.h"

namespace Tessel::Papy {

// Opens chunked replays ("rpy") with the one chunked reader, which reads every version; the
// GPL and N4 games both keep them.
class ChunkedMakeRpy : public LooseFileMaker<MakeRpy, RpyFile> {
public:
    explicit ChunkedMakeRpy(PapyDirectory directory) : LooseFileMaker(std::move(directory), "rpy") {}

private:
    std::shared_ptr<RpyFile> Read(std::shared_ptr<Util::BinaryStream> stream) override;
};

}  // namespace Tessel::Papy
