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
    static const std::string path = [] {
        RpyScript script;
        script.version = 2;
        script.drivers.push_back({"Jim", "Clark", 0, 1});
        RpySession session;
        session.trackLength = 5000.0;
        session.frameCount = 3600 * 36;
        session.drives.push_back({0, true, 0.0, 60.0, 0.0, {}});
        for (std::uint32_t slot = 1; slot < 20; ++slot) {
            script.drivers.push_back({"Car", std::to_string(slot), slot, slot + 1});
            session.drives.push_back({slot, false, 240.0 * slot, 55.0 + slot * 0.5, slot % 5 - 2.0, {}});
        }
        AddSession(script, session);
        script.frameCountHint = session.frameCount;
        return folder.Write("hour.rpy", WriteRpy(script)).string();
    }();
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
