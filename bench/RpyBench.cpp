// Reading a one-hour, 20-car replay: parsing speed beside a plain read of the same bytes.
#include "Papy/Replays/GPLRpyFile.h"
#include "Util/BinaryFile.h"
#include "testing/RpyWriter.h"
#include "testing/TemporaryFolder.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace Linewright::Testing;

// The replay file, written once per run.
const std::string& HourLongReplay() {
    static const TemporaryFolder folder;
    static const std::string path = folder.Write("hour.rpy", WriteRpy(HourLongRpyScript())).string();
    return path;
}

void PlainRead(benchmark::State& state) {
    const std::string& path = HourLongReplay();
    std::uint64_t size = 0;
    for (auto _ : state) {
        const auto file = Tessel::Util::BinaryFile::OpenRead(path);
        size = file->GetSize();
        std::vector<char> bytes(size);
        file->Read(static_cast<std::uint32_t>(size), bytes.data());
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

void ParseReplay(benchmark::State& state) {
    const std::string& path = HourLongReplay();
    std::uint64_t size = 0;
    for (auto _ : state) {
        const auto file = Tessel::Util::BinaryFile::OpenRead(path);
        size = file->GetSize();
        const Tessel::Papy::GPLRpyFile replay(*file);
        benchmark::DoNotOptimize(replay.GetFrameCount());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

BENCHMARK(PlainRead)->Unit(benchmark::kMillisecond);
BENCHMARK(ParseReplay)->Unit(benchmark::kMillisecond);

}  // namespace
