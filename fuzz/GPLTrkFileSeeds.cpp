// Seeds for the GPL track reader: the sample track and smaller tracks from the same writer.
#include "fuzz/Seeds.h"
#include "testing/GPLTrkWriter.h"

namespace {

using namespace Linewright::Testing;

Linewright::Fuzz::Seed SeedOf(const char* name, const TrkShape& shape) {
    return Linewright::Fuzz::MakeSeed(name, WriteGPLTrk(shape));
}

const Linewright::Fuzz::SeedRegistration registration("GPLTrkFileFuzzer", [] {
    return std::vector<Linewright::Fuzz::Seed>{SeedOf("sample.trk", SampleTrkShape()), SeedOf("ring.trk", RingShape())};
});

}  // namespace
