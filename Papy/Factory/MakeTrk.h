#pragma once

#include "Papy/Factory/FileKinds.h"

namespace Tessel::Papy {

class TrkFile;

// Opens the game's TRK files.
class MakeTrk : public TrackFileKind<TrkFile> {
public:
    using FacetKind = MakeTrk;
};

}  // namespace Tessel::Papy
