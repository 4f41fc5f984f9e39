#pragma once

#include "Papy/Factory/FileFacets.h"

namespace Tessel::Papy {

class Track;

// Builds the track model over the game's track file.
class MakeTrack : public TrackFileFacet<Track> {
public:
    using FacetRole = MakeTrack;
};

}  // namespace Tessel::Papy
