#pragma once

#include "Papy/Factory/TrackLpCreator.h"
#include "Papy/Lp/N4LpFile.h"

namespace Tessel::Papy {

// Creates empty N4 LP files, by default for the track model of the directory's own PTF file;
// the record count follows from the track's horizontal length.
class N4CreateLp : public TrackLpCreator<N4LpFile> {
public:
    using TrackLpCreator::TrackLpCreator;
};

}  // namespace Tessel::Papy
