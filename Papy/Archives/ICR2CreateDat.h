#pragma once

#include "Papy/Factory/CreateDat.h"
#include "Papy/Factory/PapyDirectory.h"

namespace Tessel::Papy {

// Creates the ICR2-format archive named after the directory, inside it.
class ICR2CreateDat : public CreateDat {
public:
    explicit ICR2CreateDat(PapyDirectory directory) : directory(std::move(directory)) {}

    std::shared_ptr<DatFile> Create() override;

private:
    PapyDirectory directory;
};

}  // namespace Tessel::Papy
