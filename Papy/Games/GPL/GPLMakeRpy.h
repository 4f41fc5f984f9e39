#pragma once

#include "Papy/Factory/LooseFileMaker.h"
#include "Papy/Factory/MakeRpy.h"

namespace Tessel::Papy {

// Opens chunked replays ("rpy") with the GPL replay reader, which reads every version.
class GPLMakeRpy : public LooseFileMaker<MakeRpy, RpyFile> {
public:
    explicit GPLMakeRpy(PapyDirectory directory) : LooseFileMaker(std::move(directory), "rpy") {}

private:
    std::shared_ptr<RpyFile> Read(std::shared_ptr<Util::BinaryStream> stream) override;
};

}  // namespace Tessel::Papy
