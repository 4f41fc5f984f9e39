#pragma once

#include "Papy/Archives/PkCompression.h"

#include <random>
#include <string>
#include <vector>

// What the codec's tests pack and unpack, here and in the cross-checks against the reference.
namespace Tessel::Papy::PkCompressionTesting {

using Bytes = std::vector<unsigned char>;

inline Bytes Pack(const Bytes& input) {
    Bytes packed(PkCompression::MaxImplodedSize(input.size()));
    packed.resize(PkCompression::Implode(input.data(), static_cast<std::uint32_t>(input.size()), packed.data(),
                                         static_cast<std::uint32_t>(packed.size())));
    return packed;
}

inline Bytes Unpack(const Bytes& packed, std::size_t capacity) {
    Bytes output(capacity);
    output.resize(PkCompression::Explode(packed.data(), static_cast<std::uint32_t>(packed.size()), output.data(),
                                         static_cast<std::uint32_t>(output.size())));
    return output;
}

// Inputs of every texture the codec meets: noise, words, long runs, repeats just inside and
// just beyond the dictionary, and mixtures of them.
inline Bytes MakeInput(unsigned seed) {
    std::mt19937 random(seed);
    const std::size_t size = seed % 7 == 0 ? random() % 16 : random() % (seed % 3 == 0 ? 70000 : 9000);
    const std::vector<std::string> words = {"track", "the ", "setup", "\r\n", "0.000", "mip", "AIAI", "lap"};
    Bytes out;
    while (out.size() < size) {
        switch (random() % 5) {
        case 0:
            for (int i = 0; i < 40; ++i)
                out.push_back(static_cast<unsigned char>(random()));
            break;
        case 1:
            for (int i = 0; i < 20; ++i) {
                const std::string& word = words[random() % words.size()];
                out.insert(out.end(), word.begin(), word.end());
            }
            break;
        case 2:
            out.insert(out.end(), random() % 1200, static_cast<unsigned char>(random()));
            break;
        default: {
            const std::size_t distance = std::min<std::size_t>(out.size(), 1 + random() % 4200);
            const std::size_t length = random() % 600;
            for (std::size_t i = 0; i < length && distance > 0; ++i)
                out.push_back(out[out.size() - distance]);
        }
        }
    }
    out.resize(size);
    return out;
}

constexpr unsigned InputCount = 120;

// Noise that repeats at 65536 bytes, where positions look alike to the packer's tables: it
// tempts the packer into copies from beyond the dictionary, or from where it stands.
inline Bytes MakeFarRepeats() {
    std::mt19937 random(5);
    Bytes block(1 << 16);
    for (auto& byte : block)
        byte = static_cast<unsigned char>(random());
    Bytes input;
    for (int i = 0; i < 3; ++i)
        input.insert(input.end(), block.begin(), block.end());
    return input;
}

}  // namespace Tessel::Papy::PkCompressionTesting
