#pragma once

#include "Papy/Factory/CreateLp.h"
#include "Papy/Factory/MakeLp.h"
#include "Papy/Factory/MakeTrk.h"

namespace Tessel::Papy {

// Creates empty ICR2 LP files for the directory's own TRK file.
class ICR2CreateLp : public CreateLp {
public:
    ICR2CreateLp(std::shared_ptr<MakeLp> makeLp, std::shared_ptr<MakeTrk> makeTrk)
        : makeLp(std::move(makeLp)), makeTrk(std::move(makeTrk)) {}

    std::shared_ptr<LpFile> Create(const std::string& typeName, double spacing) override;

private:
    std::shared_ptr<MakeLp> makeLp;
    std::shared_ptr<MakeTrk> makeTrk;
};

}  // namespace Tessel::Papy
