#pragma once

#include "testing/LapFiles.h"

#include <numbers>

// The track against which the GPL LP fuzzer reads: a 40 m loop, so that an LP of the right
// record count (14) is small enough for the fuzzer to reach.
inline Linewright::Samples::TrkShape GPLLpFuzzTrack() {
    return Linewright::Testing::LoopShape(10.0, 10.0 / std::numbers::pi);
}
