// Seeds for the ICR2 track reader: the sample track and one of a single line without walls.
#include "fuzz/Seeds.h"
#include "testing/ICR2TrkWriter.h"

namespace {

using namespace Linewright::Testing;

Linewright::Fuzz::Seed SeedOf(const char* name, const TrkShape& shape) {
    const std::string bytes = WriteICR2Trk(shape);
    return {name, std::vector<unsigned char>(bytes.begin(), bytes.end())};
}

const Linewright::Fuzz::SeedRegistration registration("ICR2TrkFileFuzzer", [] {
    return std::vector<Linewright::Fuzz::Seed>{SeedOf("sample.trk", SampleICR2TrkShape()), SeedOf("ring.trk", RingShape())};
});

}  // namespace
