#pragma once

#include "Papy/Factory/TrackLpCreator.h"
#include "Papy/Lp/ICR2LpFile.h"

namespace Tessel::Papy {

// Creates empty ICR2 LP files, by default for the directory's own TRK file; the record count
// follows from the track's length along its surface.
class ICR2CreateLp : public TrackLpCreator<ICR2LpFile> {
public:
    using TrackLpCreator::TrackLpCreator;
};

}  // namespace Tessel::Papy
