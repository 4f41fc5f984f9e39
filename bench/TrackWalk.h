#pragma once

#include "Papy/Tracks/Track.h"

#include <benchmark/benchmark.h>

namespace Linewright::Bench {

// Asks track for its point every 0.7 m along the lap, 2.5 m off the centre line, wrapping at the
// line: the walk of every GetPoint benchmark, whatever the track kind.
inline void WalkTrack(benchmark::State& state, const Tessel::Papy::Track& track) {
    const double length = track.Get2DLength();
    double longitude = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(track.GetPoint(longitude, 2.5));
        longitude += 0.7;
        if (longitude >= length)
            longitude -= length;
    }
}

}  // namespace Linewright::Bench
