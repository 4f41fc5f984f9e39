// The cost of a point query on a TRK track, the inner step of every conversion, on a track of
// each TRK format.
#include "Papy/Tracks/Trk/GPLTrkFile.h"
#include "Papy/Tracks/Trk/ICR2TrkFile.h"
#include "Papy/Tracks/Trk/TrkTrack.h"
#include "Samples/GPLTrkWriter.h"
#include "Samples/ICR2TrkWriter.h"
#include "bench/TrackWalk.h"
#include "testing/MemoryStream.h"

#include <benchmark/benchmark.h>

namespace {

using namespace Tessel;

template <class FileT>
void GetPointOn(benchmark::State& state, const std::string& bytes) {
    const Papy::TrkTrack track(std::make_shared<FileT>(Linewright::Testing::MemoryStream(bytes, "bench.trk").stream));
    Linewright::Bench::WalkTrack(state, track);
}

void GetPoint(benchmark::State& state) {
    GetPointOn<Papy::GPLTrkFile>(state, Linewright::Samples::WriteGPLTrk(Linewright::Samples::SampleTrkShape()));
}
BENCHMARK(GetPoint);

void GetPointICR2(benchmark::State& state) {
    GetPointOn<Papy::ICR2TrkFile>(state, Linewright::Samples::WriteICR2Trk(Linewright::Samples::SampleICR2TrkShape()));
}
BENCHMARK(GetPointICR2);

}  // namespace
