#pragma once

#include "Papy/Factory/CreateLp.h"
#include "Papy/Factory/MakeLp.h"
#include "Papy/Factory/MakeTrk.h"

namespace Tessel::Papy {

// Creates empty GPL LP files for the directory's own TRK file.
class GPLCreateLp : public CreateLp {
public:
    GPLCreateLp(std::shared_ptr<MakeLp> makeLp, std::shared_ptr<MakeTrk> makeTrk)
        : makeLp(std::move(makeLp)), makeTrk(std::move(makeTrk)) {}

    std::shared_ptr<LpFile> Create(const std::string& typeName, double spacing) override;
    std::shared_ptr<LpFile> CreateForTrack(double spacing, const std::string& trackBaseName,
                                           const std::string& trackExtension) override;

private:
    std::shared_ptr<MakeLp> makeLp;
    std::shared_ptr<MakeTrk> makeTrk;
};

}  // namespace Tessel::Papy
