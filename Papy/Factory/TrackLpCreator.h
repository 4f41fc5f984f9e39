#pragma once

#include "Papy/Factory/CreateLp.h"
#include "Papy/Factory/MakeLp.h"
#include "Papy/Factory/MakeTrack.h"
#include "Papy/Tracks/Track.h"
#include "Util/PathName.h"

namespace Tessel::Papy {

// The CreateLp of a game whose LP format LpT is made for a track model and a spacing: by
// default for the directory's own track (from the factory's MakeTrack facet), kept in its
// MakeLp facet under the type's name.
template <class LpT>
class TrackLpCreator : public CreateLp {
public:
    TrackLpCreator(std::shared_ptr<MakeLp> makeLp, std::shared_ptr<MakeTrack> makeTrack)
        : makeLp(std::move(makeLp)), makeTrack(std::move(makeTrack)) {}

    std::shared_ptr<LpFile> Create(const std::string& typeName, double spacing) override {
        auto lp = CreateFor(*makeTrack->Make("", "", false), spacing);
        makeLp->Insert(lp, Util::ToLower(typeName), "");
        return lp;
    }

    std::shared_ptr<LpFile> CreateFor(const Track& track, double spacing) override {
        return std::make_shared<LpT>(track, spacing);
    }

private:
    std::shared_ptr<MakeLp> makeLp;
    std::shared_ptr<MakeTrack> makeTrack;
};

}  // namespace Tessel::Papy
