#pragma once

#include "Papy/Factory/LooseFileMaker.h"
#include "Papy/Factory/MakeRpy.h"

namespace Tessel::Papy {

// Opens N3 replays ("rpl") from the factory's directory.
class N3MakeRpl : public LooseFileMaker<MakeRpy, RpyFile> {
public:
    explicit N3MakeRpl(PapyDirectory directory) : LooseFileMaker(std::move(directory), "rpl") {}

private:
    std::shared_ptr<RpyFile> Read(std::shared_ptr<Util::BinaryStream> stream) override;
};

}  // namespace Tessel::Papy
