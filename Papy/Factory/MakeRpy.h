#pragma once

#include "Papy/Factory/FileKinds.h"

namespace Tessel::Papy {

class RpyFile;

// Opens the game's replays from the factory's directory.
class MakeRpy : public LooseFileKind<RpyFile> {
public:
    using FacetKind = MakeRpy;
};

}  // namespace Tessel::Papy
