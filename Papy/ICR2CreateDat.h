#pragma once

#include "Papy/CreateDat.h"
#include "Papy/PapyDirectory.h"

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
