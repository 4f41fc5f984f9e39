// Converting a three-minute lap: a 9000 m track driven at 50 m/s, 6480 frames of the lap and
// 3001 records, from a written replay and track read once outside the timing.
#include "Linewright/ConvertLap.h"
#include "Papy/Lp/GPLLpFile.h"
#include "Papy/Replays/GPLRpyFile.h"
#include "Papy/Tracks/Trk/GPLTrkFile.h"
#include "Papy/Tracks/Trk/TrkTrack.h"
#include "testing/LapFiles.h"
#include "testing/MemoryStream.h"

#include <benchmark/benchmark.h>

#include <numbers>

namespace {

using namespace Tessel::Papy;
using namespace Linewright::Testing;

void BM_ConvertThreeMinuteLap(benchmark::State& state) {
    const GPLLapFiles files = MakeGPLLapFiles(4000.0, 500.0 / std::numbers::pi, 50.0, 1.0, 186.0);
    const auto trackFile = std::make_shared<GPLTrkFile>(MemoryStream(files.track, "long.trk").stream);
    const TrkTrack track(trackFile);
    const GPLRpyFile replay(*MemoryStream(files.replay, "long.rpy").stream);
    std::uint32_t records = 0;
    for (auto _ : state) {
        GPLLpFile lp(track, 0.0);
        Linewright::ConvertLap(replay, 0, 0, 1, track, lp);
        records = lp.GetRecordCount();
        benchmark::DoNotOptimize(lp.GetRecordLateral(records / 2));
    }
    state.counters["records"] = records;
    state.counters["frames"] = replay.GetLapEndFrame(0, 0, 1) - replay.GetLapFirstFrame(0, 0, 1);
}
BENCHMARK(BM_ConvertThreeMinuteLap)->Unit(benchmark::kMillisecond);

}  // namespace
