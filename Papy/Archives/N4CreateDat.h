#pragma once

#include "Papy/Factory/CreateDat.h"
#include "Papy/Factory/PapyDirectory.h"

namespace Tessel::Papy {

// Creates the N4-format archive named after the directory, inside it.
class N4CreateDat : public CreateDat {
public:
    explicit N4CreateDat(PapyDirectory directory) : directory(std::move(directory)) {}

    std::shared_ptr<DatFile> Create() override;

private:
    PapyDirectory directory;
};

}  // namespace Tessel::Papy
