#pragma once

#include "Linewright/LapPreview.h"
#include "Linewright/LapTimeline.h"

#include <cstddef>
#include <string>
#include <vector>

// Several laps of a replay side by side, to choose the one worth converting: each lap's line as
// the conversion would write it, and the time each lost or gained against the first along the
// lap. Shared by the window and the SVG.
namespace Linewright {

inline constexpr std::size_t mostComparedLaps = 5;

struct ComparedLap {
    LapRef lap;
    std::string name;               // "Jim Clark 1m 23.457s (lap 0:0:3)"
    std::vector<LinePoint> line;    // the lap's records on the track
    std::vector<DeltaPoint> delta;  // against the first lap, from the replay's samples
};

struct LapComparison {
    TrackOutline outline;
    double trackLength = 0.0;
    std::vector<ComparedLap> laps;
};

// The colour of the lap at position i of a comparison, the same in every view.
Rgb GetLapColour(std::size_t i);

// "<driver> <lap time> (lap T:D:L)".
std::string NameLap(const Tessel::Papy::RpyFile& replay, const LapRef& lap);

// Of every lap's line together.
ValueRange GetSpeedRange(const LapComparison& comparison);
// Of every delta together, 0 included.
ValueRange GetDeltaRange(const LapComparison& comparison);

// The laps (at most mostComparedLaps; the first is the reference) converted into new LPs of
// type, nothing written, on the track of the factory's directory (or the one at trackPath, as
// MakeTrackOfDirectory), with deltaSteps + 1 delta points each. Throws XUsage for no lap or too
// many, and what ConvertToNewLp and TimeLap throw.
LapComparison CompareLaps(Tessel::Papy::FileFactory& trackFactory, const Tessel::Papy::RpyFile& replay,
                          const std::vector<LapRef>& laps, const std::string& type, std::size_t deltaSteps = 500,
                          const std::string& trackPath = "");

}  // namespace Linewright
