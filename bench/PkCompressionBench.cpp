// Packing and unpacking speed of our implode codec beside StormLib's pklib, in MB/s of unpacked
// data, on the same inputs: track-like records of numbers and texture-like noisy runs.
#include "Papy/Archives/PkCompression.h"
#include "testing/ReferencePklib.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>

namespace {

using Bytes = std::vector<unsigned char>;
using namespace Tessel::Papy;

constexpr std::size_t InputSize = 1 << 20;

// Lines of numbers as in text files of the game, and slowly varying bytes as in textures.
Bytes MakeInput(int kind) {
    std::mt19937 random(42);
    Bytes out;
    while (out.size() < InputSize) {
        if (kind == 0) {
            char line[64];
            const int length = std::snprintf(line, sizeof line, "%d %.3f %.3f %u\r\n", static_cast<int>(out.size() % 977),
                                             (random() % 100000) / 7.0, (random() % 3000) / 3.0,
                                             static_cast<unsigned>(random() % 8));
            out.insert(out.end(), line, line + length);
        } else {
            const auto base = static_cast<unsigned char>(random());
            for (int i = 0; i < 64; ++i)
                out.push_back(static_cast<unsigned char>(base + random() % 6));
        }
    }
    out.resize(InputSize);
    return out;
}

const Bytes& Input(int kind) {
    static const Bytes inputs[2] = {MakeInput(0), MakeInput(1)};
    return inputs[kind];
}

void Report(benchmark::State& state, std::size_t packedSize) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * InputSize));
    state.counters["ratio"] = static_cast<double>(packedSize) / InputSize;
}

void OurImplode(benchmark::State& state) {
    const Bytes& input = Input(static_cast<int>(state.range(0)));
    Bytes packed(PkCompression::MaxImplodedSize(input.size()));
    std::uint32_t packedSize = 0;
    for (auto _ : state)
        packedSize = PkCompression::Implode(input.data(), InputSize, packed.data(), static_cast<std::uint32_t>(packed.size()));
    Report(state, packedSize);
}

void StormLibImplode(benchmark::State& state) {
    const Bytes& input = Input(static_cast<int>(state.range(0)));
    std::size_t packedSize = 0;
    for (auto _ : state)
        packedSize = Linewright::Testing::ReferenceImplode(input, 0, 4096).size();
    Report(state, packedSize);
}

// Both unpack StormLib's packing of the input.
void OurExplode(benchmark::State& state) {
    const Bytes packed = Linewright::Testing::ReferenceImplode(Input(static_cast<int>(state.range(0))), 0, 4096);
    Bytes output(InputSize);
    for (auto _ : state) {
        PkCompression::Explode(packed.data(), static_cast<std::uint32_t>(packed.size()), output.data(), InputSize);
        benchmark::DoNotOptimize(output.data());
    }
    Report(state, packed.size());
}

void StormLibExplode(benchmark::State& state) {
    const Bytes packed = Linewright::Testing::ReferenceImplode(Input(static_cast<int>(state.range(0))), 0, 4096);
    for (auto _ : state)
        benchmark::DoNotOptimize(Linewright::Testing::ReferenceExplode(packed));
    Report(state, packed.size());
}

}  // namespace

// Argument 0: text records; 1: texture-like bytes.
BENCHMARK(OurImplode)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(StormLibImplode)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(OurExplode)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(StormLibExplode)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
