#pragma once

#include "Linewright/LapPreview.h"

#include <ostream>
#include <string>

namespace Linewright {

// Writes the preview as a standalone SVG document: the track map with the new line coloured by
// speed (one "line" element per record to the next, coloured by the first record's speed) and
// the existing line dashed, the speed legend, and the speed and lateral offset by distance.
// Elements a reader may look for carry ids: "left-edge", "right-edge", "line", "existing-line",
// "speed-scale" (the legend's gradient), "slowest" and "fastest" (its labels, in m/s),
// "speed", "lateral", "existing-speed", "existing-lateral" and "comparison".
void WritePreviewSvg(const LapPreview& preview, const std::string& title, std::ostream& out);

}  // namespace Linewright
