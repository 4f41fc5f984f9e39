#pragma once

#include "Papy/Factory/CreateLp.h"
#include "Papy/Factory/MakeLp.h"
#include "Papy/Factory/MakeTrack.h"

namespace Tessel::Papy {

// Creates empty N4 LP files for the track model of the directory's own PTF file.
class N4CreateLp : public CreateLp {
public:
    N4CreateLp(std::shared_ptr<MakeLp> makeLp, std::shared_ptr<MakeTrack> makeTrack)
        : makeLp(std::move(makeLp)), makeTrack(std::move(makeTrack)) {}

    std::shared_ptr<LpFile> Create(const std::string& typeName, double spacing) override;
    std::shared_ptr<LpFile> CreateForTrack(double spacing, const std::string& trackBaseName,
                                           const std::string& trackExtension) override;

private:
    std::shared_ptr<MakeLp> makeLp;
    std::shared_ptr<MakeTrack> makeTrack;
};

}  // namespace Tessel::Papy
