// The preview of one lap of a one-hour, 20-car replay, as selecting the lap in the window
// computes it: a 5000 m track, the player's lap of 83 s (3000 frames, 1667 records), with and
// without an existing LP of the type to compare with. The game folder is written once.
#include "Linewright/CLinewrightDoc.h"
#include "Linewright/LapPreview.h"
#include "Linewright/LpOutput.h"
#include "Linewright/TrackDirectoryLps.h"
#include "Samples/GPLTrkWriter.h"
#include "Samples/RpyWriter.h"
#include "testing/LapFiles.h"
#include "testing/TemporaryFolder.h"

#include <benchmark/benchmark.h>

#include <numbers>

namespace {

using namespace Linewright;
using namespace Linewright::Samples;
using namespace Linewright::Testing;

// replays/hour.rpy beside tracks/monza/monza.trk, loose.
const CLinewrightDoc& HourLongDocument() {
    static const TemporaryFolder folder;
    static const CLinewrightDoc document = [] {
        folder.Write("tracks/monza/monza.trk", WriteGPLTrk(LoopShape(1500.0, 1000.0 / std::numbers::pi)));
        CLinewrightDoc opened;
        opened.OnOpenDocument(folder.Write("replays/hour.rpy", WriteRpy(HourLongRpyScript())).string());
        return opened;
    }();
    return document;
}

void Preview(benchmark::State& state, const std::string& type) {
    const CLinewrightDoc& document = HourLongDocument();
    const auto factory = document.RequireTrackFactory();
    const auto replay = document.GetRpy();
    const LapRef lap{0, 0, 20};
    if (type == "race")
        WriteLpFile(*ConvertToNewLp(*factory, *replay, {0, 0, 10}, type), GetLpOutputPath(*factory, type), true);
    std::size_t records = 0;
    for (auto _ : state) {
        const LapPreview preview = MakeLapPreview(*factory, *replay, lap, type);
        records = preview.line.size();
        benchmark::DoNotOptimize(preview.outline.left.data());
    }
    state.counters["records"] = static_cast<double>(records);
    state.counters["laps_in_replay"] = static_cast<double>(ListCompleteLaps(*replay).size());
}

void PreviewOfALap(benchmark::State& state) { Preview(state, workLpType); }
void PreviewOfALapBesideAnExistingLp(benchmark::State& state) { Preview(state, "race"); }

BENCHMARK(PreviewOfALap)->Unit(benchmark::kMillisecond);
BENCHMARK(PreviewOfALapBesideAnExistingLp)->Unit(benchmark::kMillisecond);

}  // namespace
