#pragma once

#include "Papy/Factory/FileKinds.h"

namespace Tessel::Papy {

class Track;

// Builds the track model over the game's track file.
class MakeTrack : public TrackFileKind<Track> {
public:
    using FacetKind = MakeTrack;
};

}  // namespace Tessel::Papy
