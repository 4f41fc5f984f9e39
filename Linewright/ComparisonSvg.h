#pragma once

#include "Linewright/LapComparison.h"

#include <ostream>
#include <string>

namespace Linewright {

// Writes laps side by side as a standalone SVG document: each lap's line on the track map in its
// own colour (GetLapColour) with a key naming driver and lap, each lap's speed by distance and,
// below, the time each lost (above the zero line) or gained against the first lap. Ids for a
// reader: "left-edge", "right-edge", "line-<i>", "key-<i>", "speed-<i>", "delta-<i>" for lap i.
void WriteComparisonSvg(const LapComparison& comparison, const std::string& title, std::ostream& out);

}  // namespace Linewright
