// The cost of a point query on a TRK track, the inner step of every conversion.
#include "Papy/Tracks/Trk/GPLTrkFile.h"
#include "Papy/Tracks/Trk/TrkTrack.h"
#include "testing/GPLTrkWriter.h"
#include "testing/MemoryStream.h"

#include <benchmark/benchmark.h>

namespace {

using namespace Tessel;

void GetPoint(benchmark::State& state) {
    const std::string bytes = Linewright::Testing::WriteGPLTrk(Linewright::Testing::SampleTrkShape());
    const Papy::TrkTrack track(
        std::make_shared<Papy::GPLTrkFile>(Linewright::Testing::MemoryStream(bytes, "bench.trk").stream));
    const double length = track.Get2DLength();
    double longitude = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(track.GetPoint(longitude, 2.5));
        longitude += 0.7;
        if (longitude >= length)
            longitude -= length;
    }
}
BENCHMARK(GetPoint);

}  // namespace
