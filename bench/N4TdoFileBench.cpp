// The cost of loading and of saving an N4 object archive: a PTF track of 2,000 segments.
#include "Papy/Objects/N4DescriptorRegistry.h"
#include "Papy/Objects/N4TdoFile.h"
#include "Samples/N4NodeWriters.h"
#include "testing/MemoryStream.h"

#include <benchmark/benchmark.h>

namespace {

using namespace Tessel;
using Linewright::Testing::MemoryStream;

const std::string& LongTrack() {
    static const std::string bytes = Linewright::Samples::WritePtf(Linewright::Samples::PtfLoop(2000));
    return bytes;
}

std::shared_ptr<Papy::N4TdoFile> Load() {
    return std::make_shared<Papy::N4TdoFile>(MemoryStream(LongTrack(), "bench.ptf").stream, Papy::N4DescriptorRegistry());
}

void LoadPtf(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Load());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * LongTrack().size()));
}
BENCHMARK(LoadPtf)->Unit(benchmark::kMillisecond);

void SavePtf(benchmark::State& state) {
    const auto file = Load();
    MemoryStream out(std::string(LongTrack().size(), '\0'), "out.ptf");
    for (auto _ : state)
        file->Save(*out.stream);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * LongTrack().size()));
}
BENCHMARK(SavePtf)->Unit(benchmark::kMillisecond);

}  // namespace
