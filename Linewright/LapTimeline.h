#pragma once

#include "Linewright/LapList.h"

#include <cstddef>
#include <vector>

namespace Tessel::Papy {
class RpyFile;
}

namespace Linewright {

// When a car reached each distance of one lap, from the replay's own samples: the frames of the
// lap and the one on either side, distance along the track against the frame clock. Frames in
// which the car was not recorded are left out, and where the car went backwards only the first
// time it reached a distance counts.
struct LapTimeline {
    std::vector<double> distance;  // metres from the start line, increasing
    std::vector<double> time;      // seconds since the car crossed the start line

    // When the car reached distance, linear between samples and held at the ends. Throws
    // XAssertion when the timeline is empty.
    double TimeAt(double distance) const;
};

// The lap's timeline on a track whose lap is trackLength metres (where the replay's longitudes
// wrap to 0). Throws XUsage when the replay holds fewer than two recorded samples of the lap.
LapTimeline TimeLap(const Tessel::Papy::RpyFile& replay, const LapRef& lap, double trackLength);

// The time a lap lost (positive) or gained against a reference lap by a distance.
struct DeltaPoint {
    double distance = 0.0;  // metres from the start line
    double delta = 0.0;     // seconds, the lap's time there minus the reference's
};

// The delta at steps + 1 distances evenly spaced from the start line to trackLength.
std::vector<DeltaPoint> CompareTimelines(const LapTimeline& reference, const LapTimeline& lap, double trackLength,
                                         std::size_t steps);

}  // namespace Linewright
