// Seeds for the GPL track reader: the sample track and smaller tracks from the same writer.
#include "Samples/GPLTrkWriter.h"
#include "fuzz/Seeds.h"

namespace {

using namespace Linewright::Samples;

Linewright::Fuzz::Seed SeedOf(const char* name, const TrkShape& shape) {
    return Linewright::Fuzz::MakeSeed(name, WriteGPLTrk(shape));
}

const Linewright::Fuzz::SeedRegistration registration("GPLTrkFileFuzzer", [] {
    return std::vector<Linewright::Fuzz::Seed>{SeedOf("sample.trk", SampleTrkShape()), SeedOf("ring.trk", RingShape())};
});

}  // namespace
