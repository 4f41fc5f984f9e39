#pragma once

#include "Samples/GPLTrkWriter.h"

#include <string>

// A GPL track file and a replay in which the player laps it, for tests, benchmarks and fuzz seeds
// of the lap conversion.
namespace Linewright::Testing {

// A level loop of two straights and four quarter turns of radius `radius`; its 2D length is
// 2 straight + 2 pi radius.
Samples::TrkShape LoopShape(double straight, double radius);

struct GPLLapFiles {
    std::string track;   // the .trk bytes
    std::string replay;  // the .rpy bytes
    double trackLength;  // the shape's 2D length
};

// The player (Jim Clark, slot 0) starts two seconds before the line and drives at `speed` m/s
// for `seconds`, weaving as the replay writer's drives do (lateral + 3 sin of the lap's
// phase). Lap 1 of lap table 0 is the first complete lap.
GPLLapFiles MakeGPLLapFiles(double straight, double radius, double speed, double lateral, double seconds);

}  // namespace Linewright::Testing
