#pragma once

#include "Papy/Factory/TrackLpCreator.h"
#include "Papy/Lp/GPLLpFile.h"

namespace Tessel::Papy {

// Creates empty GPL LP files, by default for the directory's own TRK file; the record count
// follows from the track's horizontal length.
class GPLCreateLp : public TrackLpCreator<GPLLpFile> {
public:
    using TrackLpCreator::TrackLpCreator;
};

}  // namespace Tessel::Papy
