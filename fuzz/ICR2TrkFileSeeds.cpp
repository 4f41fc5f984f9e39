// Seeds for the ICR2 track reader: the sample track and one of a single line without walls.
#include "Samples/ICR2TrkWriter.h"
#include "fuzz/Seeds.h"

namespace {

using namespace Linewright::Samples;

Linewright::Fuzz::Seed SeedOf(const char* name, const TrkShape& shape) {
    const std::string bytes = WriteICR2Trk(shape);
    return {name, std::vector<unsigned char>(bytes.begin(), bytes.end())};
}

const Linewright::Fuzz::SeedRegistration registration("ICR2TrkFileFuzzer", [] {
    return std::vector<Linewright::Fuzz::Seed>{SeedOf("sample.trk", SampleICR2TrkShape()), SeedOf("ring.trk", RingShape())};
});

}  // namespace
