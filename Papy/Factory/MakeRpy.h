#pragma once

#include "Papy/Factory/FileFacets.h"

namespace Tessel::Papy {

class RpyFile;

// Opens the game's replays from the factory's directory.
class MakeRpy : public LooseFileFacet<RpyFile> {
public:
    using FacetRole = MakeRpy;
};

}  // namespace Tessel::Papy
