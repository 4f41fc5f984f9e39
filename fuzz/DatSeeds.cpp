// Seeds for the archive readers and the codec, from the archive writers.
#include "Papy/Archives/PkCompression.h"
#include "Samples/DatWriter.h"
#include "fuzz/Seeds.h"

namespace Linewright::Fuzz {

namespace {

using Samples::DatEntry;

std::vector<unsigned char> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

const std::vector<DatEntry> Entries = {{"track.trk", "TRACK DATA"}, {"art\\a.mip", "texture"},
                                       {"a.3do", "AIAIAIAIAIAIAIAIA object", true}, {"e.win", ""}};

std::vector<unsigned char> Implode(const std::string& text) {
    std::vector<unsigned char> packed(Tessel::Papy::PkCompression::MaxImplodedSize(text.size()));
    packed.resize(Tessel::Papy::PkCompression::Implode(text.data(), static_cast<std::uint32_t>(text.size()),
                                                       packed.data(), static_cast<std::uint32_t>(packed.size())));
    return packed;
}

const SeedRegistration icr2("ICR2DatFileFuzzer", [] {
    return std::vector<Seed>{{"three", Bytes(Samples::WriteICR2Dat(Entries))},
                             {"one", Bytes(Samples::WriteICR2Dat({{"t.trk", "x"}}))}};
});

const SeedRegistration n4("N4DatFileFuzzer", [] {
    return std::vector<Seed>{{"mixed", Bytes(Samples::WriteN4Dat(Entries))},
                             {"packed", Bytes(Samples::WriteN4Dat({{"t.ptf", std::string(300, 'p'), true}}))}};
});

const SeedRegistration explode("PkCompressionFuzzer", [] {
    return std::vector<Seed>{{"literals", Bytes(Samples::PackLiterals("Hello, world"))},
                             {"vector", {0x00, 0x04, 0x82, 0x24, 0x25, 0x8f, 0x80, 0x7f}},
                             {"imploded", Implode("the track, the track, the lap, the lap, the track")},
                             {"empty", Implode("")}};
});

}  // namespace

}  // namespace Linewright::Fuzz
