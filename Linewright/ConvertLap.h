#pragma once

#include "Papy/Lp/LpFile.h"
#include "Papy/Replays/RpyFile.h"
#include "Papy/Tracks/Track.h"

#include <cstdint>

namespace Linewright {

// Fills every record of lp from lap `lap` of `driver` in lap table `table` of the replay: the
// car's longitude, lateral offset and angle are fitted with cubic splines over the lap's
// frames, one frame before it and the frames after it up to the first one past lp's last
// record; at each record's longitude the lateral offset and the three rates are set.
//
// Throws XUsage when the replay holds no frame before the lap, or no frame after it that lies
// past the last record and is not the replay's last frame (the margin message), and when the
// car was not recorded in some frame of that window. Throws XAssertion when a record falls
// outside the fitted samples or the spline of longitude cannot be inverted at it (the car went
// backwards or stood still). Records set before a failure stay set; the caller drops lp.
void ConvertLap(const Tessel::Papy::RpyFile& replay, std::uint32_t table, std::uint32_t driver,
                std::uint32_t lap, const Tessel::Papy::Track& track, Tessel::Papy::LpFile& lp);

}  // namespace Linewright
