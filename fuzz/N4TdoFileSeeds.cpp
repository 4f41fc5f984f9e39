// Seeds for the object-archive loader: the sample 3D object and PTF tracks from the writer.
#include "Samples/N4NodeWriters.h"
#include "fuzz/Seeds.h"

namespace {

using namespace Linewright::Samples;

Linewright::Fuzz::Seed SeedOf(const char* name, const std::string& bytes) {
    return {name, std::vector<unsigned char>(bytes.begin(), bytes.end())};
}

const Linewright::Fuzz::SeedRegistration registration("N4TdoFileFuzzer", [] {
    return std::vector<Linewright::Fuzz::Seed>{SeedOf("sample.3do", WriteArchive(SampleTdoTree())),
                                               SeedOf("sample.ptf", WritePtf(SamplePtfShape())),
                                               SeedOf("loop.ptf", WritePtf(PtfLoop(8))),
                                               SeedOf("empty.ptf", WriteArchive(PtfTrack({}, 6)))};
});

}  // namespace
