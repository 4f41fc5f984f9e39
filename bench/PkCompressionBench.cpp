// Packing and unpacking speed of our implode codec beside StormLib's pklib, in MB/s of unpacked
// data, on the same inputs: lines of numbers, texture-like noisy runs and track-like records of
// floats.
#include "Papy/Archives/PkCompression.h"
#include "testing/ReferencePklib.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>
#include <random>

namespace {

using Bytes = std::vector<unsigned char>;
using namespace Tessel::Papy;

enum InputKind { Text, Texture, TrackFloats };

std::size_t InputSize(int kind) {
    return kind == TrackFloats ? 16 << 20 : 1 << 20;
}

// Records of eight floats as track files hold them: a point on a closed loop of 5 km, its
// height, heading and the widths and banking of the road there, each varying slowly.
Bytes MakeTrackFloats() {
    std::mt19937 random(42);
    Bytes out(InputSize(TrackFloats));
    const std::size_t records = out.size() / (8 * sizeof(float));
    for (std::size_t record = 0; record < records; ++record) {
        const double turn = 2.0 * std::numbers::pi * static_cast<double>(record % 20000) / 20000.0;
        const float values[8] = {static_cast<float>(800.0 * std::cos(turn)),
                                 static_cast<float>(800.0 * std::sin(turn)),
                                 static_cast<float>(12.0 * std::sin(3.0 * turn)),
                                 static_cast<float>(turn + std::numbers::pi / 2),
                                 7.5f,
                                 7.5f + static_cast<float>(random() % 4) * 0.25f,
                                 static_cast<float>(0.05 * std::sin(5.0 * turn)),
                                 static_cast<float>(record % 20000)};
        std::memcpy(out.data() + record * sizeof values, values, sizeof values);
    }
    return out;
}

// Lines of numbers as in text files of the game, and slowly varying bytes as in textures.
Bytes MakeInput(int kind) {
    if (kind == TrackFloats)
        return MakeTrackFloats();
    std::mt19937 random(42);
    Bytes out;
    while (out.size() < InputSize(kind)) {
        if (kind == Text) {
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
    out.resize(InputSize(kind));
    return out;
}

const Bytes& Input(int kind) {
    static const Bytes inputs[3] = {MakeInput(Text), MakeInput(Texture), MakeInput(TrackFloats)};
    return inputs[kind];
}

void Report(benchmark::State& state, std::size_t packedSize) {
    const std::size_t inputSize = InputSize(static_cast<int>(state.range(0)));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * inputSize));
    state.counters["packed"] = static_cast<double>(packedSize);
    state.counters["ratio"] = static_cast<double>(packedSize) / static_cast<double>(inputSize);
}

void OurImplode(benchmark::State& state) {
    const Bytes& input = Input(static_cast<int>(state.range(0)));
    Bytes packed(PkCompression::MaxImplodedSize(input.size()));
    std::uint32_t packedSize = 0;
    for (auto _ : state)
        packedSize = PkCompression::Implode(input.data(), static_cast<std::uint32_t>(input.size()), packed.data(),
                                            static_cast<std::uint32_t>(packed.size()));
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
    const Bytes& input = Input(static_cast<int>(state.range(0)));
    const Bytes packed = Linewright::Testing::ReferenceImplode(input, 0, 4096);
    Bytes output(input.size());
    for (auto _ : state) {
        PkCompression::Explode(packed.data(), static_cast<std::uint32_t>(packed.size()), output.data(),
                               static_cast<std::uint32_t>(output.size()));
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

// Argument 0: text records; 1: texture-like bytes; 2: track-like floats.
BENCHMARK(OurImplode)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(StormLibImplode)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(OurExplode)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(StormLibExplode)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
