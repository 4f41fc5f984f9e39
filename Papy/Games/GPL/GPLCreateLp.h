#pragma once

#include "Papy/Factory/CreateLp.h"
#include "Papy/Factory/MakeLp.h"
#include "Papy/Factory/MakeTrack.h"

namespace Tessel::Papy {

// Creates empty GPL LP files, by default for the directory's own TRK file; the record count
// follows from the track's horizontal length.
class GPLCreateLp : public CreateLp {
public:
    GPLCreateLp(std::shared_ptr<MakeLp> makeLp, std::shared_ptr<MakeTrack> makeTrack)
        : makeLp(std::move(makeLp)), makeTrack(std::move(makeTrack)) {}

    std::shared_ptr<LpFile> Create(const std::string& typeName, double spacing) override;
    std::shared_ptr<LpFile> CreateFor(const Track& track, double spacing) override;

private:
    std::shared_ptr<MakeLp> makeLp;
    std::shared_ptr<MakeTrack> makeTrack;
};

}  // namespace Tessel::Papy
