// The cost of a point query on a PTF track, the inner step of every N4 conversion.
#include "Papy/Objects/N4DescriptorRegistry.h"
#include "Papy/Objects/N4TdoFile.h"
#include "Papy/Tracks/Ptf/PtfTrack.h"
#include "Samples/N4NodeWriters.h"
#include "bench/TrackWalk.h"
#include "testing/MemoryStream.h"

#include <benchmark/benchmark.h>

namespace {

using namespace Tessel;

// Over a loop of state.range(0) segments.
void GetPointPtf(benchmark::State& state) {
    const std::string bytes = Linewright::Samples::WritePtf(Linewright::Samples::PtfLoop(static_cast<int>(state.range(0))));
    const Papy::PtfTrack track(std::make_shared<Papy::N4TdoFile>(
                                   Linewright::Testing::MemoryStream(bytes, "bench.ptf").stream, Papy::N4DescriptorRegistry()),
                               "bench.ptf");
    Linewright::Bench::WalkTrack(state, track);
}
BENCHMARK(GetPointPtf)->Arg(8)->Arg(400);

}  // namespace
