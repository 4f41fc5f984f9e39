#pragma once

#include "Papy/Factory/FileFacets.h"

namespace Tessel::Papy {

class N4TdoFile;

// Opens the game's PTF files (N4 object archives).
class MakePtf : public TrackFileFacet<N4TdoFile> {
public:
    using FacetRole = MakePtf;
};

}  // namespace Tessel::Papy
