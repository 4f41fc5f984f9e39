// Opening a one-hour, 20-car replay: parsing speed beside a plain read of the same bytes, and the
// peak memory that opening it takes as a multiple of the file's size.
#include "bench/RpyBench.h"

#include "Papy/Replays/GPLRpyFile.h"
#include "Samples/RpyWriter.h"
#include "Util/BinaryFile.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace Linewright::Samples;

// The replay, made by the first run and kept in the build folder for the next ones; it is
// written beside its place and renamed, so an interrupted run leaves no half file behind.
const std::string& HourLongReplay() {
    static const std::string path = [] {
        const std::filesystem::path file = std::filesystem::path(LINEWRIGHT_BENCH_DATA) / "hour-20-cars.rpy";
        if (!std::filesystem::exists(file)) {
            std::filesystem::create_directories(file.parent_path());
            const std::filesystem::path part = file.string() + ".part";
            std::ofstream(part, std::ios::binary) << WriteRpy(HourLongRpyScript());
            std::filesystem::rename(part, file);
        }
        return file.string();
    }();
    return path;
}

std::int64_t FileSize(const std::string& path) {
    return static_cast<std::int64_t>(std::filesystem::file_size(path));
}

// The floor: read() in 1 MiB blocks into one reused buffer, summing the bytes.
void PlainReadSum(benchmark::State& state) {
    const std::string& path = HourLongReplay();
    std::vector<unsigned char> block(1 << 20);
    for (auto _ : state) {
        const int file = ::open(path.c_str(), O_RDONLY);
        std::uint64_t sum = 0;
        for (ssize_t got; (got = ::read(file, block.data(), block.size())) > 0;)
            for (ssize_t i = 0; i < got; ++i)
                sum += block[i];
        ::close(file);
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(state.iterations() * FileSize(path));
}

void ParseReplay(benchmark::State& state) {
    const std::string& path = HourLongReplay();
    for (auto _ : state) {
        const auto file = Tessel::Util::BinaryFile::OpenRead(path);
        const Tessel::Papy::GPLRpyFile replay(*file);
        benchmark::DoNotOptimize(replay.GetFrameCount());
    }
    state.SetBytesProcessed(state.iterations() * FileSize(path));
}

// A figure in kB from /proc/self/status ("VmRSS", "VmHWM").
double StatusKilobytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.compare(0, field.size() + 1, field + ":") == 0)
            return std::stod(line.substr(field.size() + 1));
    }
    throw std::runtime_error("no " + field + " in /proc/self/status");
}

// The peak bytes of opening the replay at `path`, measured by a fresh run of this program so
// that neither the benchmark's allocations nor its freed heap count.
double PeakBytesOfOpening(const std::string& path) {
    std::ostringstream command;
    command << std::filesystem::read_symlink("/proc/self/exe") << ' ' << ReplayOpeningArgument << ' '
            << std::filesystem::path(path);
    FILE* child = ::popen(command.str().c_str(), "r");
    double peak = -1.0;
    if (!child || std::fscanf(child, "%lf", &peak) != 1 || ::pclose(child) != 0 || peak < 0.0)
        throw std::runtime_error("measuring the opening failed: " + command.str());
    return peak;
}

void ReplayPeakMemory(benchmark::State& state) {
    const std::string& path = HourLongReplay();
    double peak = 0.0;
    for (auto _ : state)
        peak = PeakBytesOfOpening(path);
    state.counters["peak_MB"] = peak / 1e6;
    state.counters["file_MB"] = static_cast<double>(FileSize(path)) / 1e6;
    state.counters["peak_x_file"] = peak / static_cast<double>(FileSize(path));
}

BENCHMARK(PlainReadSum)->Unit(benchmark::kMillisecond);
BENCHMARK(ParseReplay)->Unit(benchmark::kMillisecond);
BENCHMARK(ReplayPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

// The peak resident size while the replay is opened and held, less the resident size before.
int PrintPeakOfOpening(const char* path) {
    const double before = StatusKilobytes("VmRSS");
    const auto file = Tessel::Util::BinaryFile::OpenRead(path);
    const Tessel::Papy::GPLRpyFile replay(*file);
    std::printf("%.0f\n", (StatusKilobytes("VmHWM") - before) * 1024.0);
    return 0;
}
