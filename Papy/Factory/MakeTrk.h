#pragma once

#include "Papy/Factory/FileFacets.h"

namespace Tessel::Papy {

class TrkFile;

// Opens the game's TRK files.
class MakeTrk : public TrackFileFacet<TrkFile> {
public:
    using FacetRole = MakeTrk;
};

}  // namespace Tessel::Papy
