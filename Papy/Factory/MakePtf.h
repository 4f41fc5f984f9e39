#pragma once

#include "Papy/Factory/FileKinds.h"

namespace Tessel::Papy {

class N4TdoFile;

// Opens the game's PTF files (N4 object archives).
class MakePtf : public TrackFileKind<N4TdoFile> {
public:
    using FacetKind = MakePtf;
};

}  // namespace Tessel::Papy
