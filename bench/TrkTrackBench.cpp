// The cost of a point query on a TRK track, the inner step of every conversion.
#include "Papy/GPLTrkFile.h"
#include "Papy/TrkTrack.h"
#include "Util/CharBuffer.h"
#include "testing/GPLTrkWriter.h"

#include <benchmark/benchmark.h>

namespace {

using namespace Tessel;

void GetPoint(benchmark::State& state) {
    const std::string bytes = Linewright::Testing::WriteGPLTrk(Linewright::Testing::SampleTrkShape());
    auto buffer = std::make_shared<Util::CharBuffer>("bench.trk");
    buffer->SetBuffer(static_cast<std::uint32_t>(bytes.size()), bytes.data());
    const Papy::TrkTrack track(std::make_shared<Papy::GPLTrkFile>(buffer));
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
