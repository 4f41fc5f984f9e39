#pragma once

#include "Linewright/LapList.h"
#include "Linewright/TrackDirectoryLps.h"

#include <string>
#include <vector>

namespace Linewright {

class CLinewrightDoc;

// Everything the form shows of an open replay, read in full before any of it is shown, so that
// a replay whose track cannot be opened leaves the form as it was instead of half filled.
struct FormContent {
    std::vector<LapListEntry> laps;
    std::string track;
    TrackLpSummary lps;

    // Empty for a document without a replay. Throws what RequireTrackFactory and
    // SummarizeTrackLps throw: the track folder or the track file that was looked for.
    static FormContent Read(const CLinewrightDoc& document);
};

}  // namespace Linewright
