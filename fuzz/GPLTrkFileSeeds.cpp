// Seeds for the GPL track reader: the sample track and smaller tracks from the same writer.
#include "fuzz/Seeds.h"
#include "testing/GPLTrkWriter.h"

#include <numbers>

namespace {

using namespace Linewright::Testing;

Linewright::Fuzz::Seed SeedOf(const char* name, const TrkShape& shape) {
    const std::string bytes = WriteGPLTrk(shape);
    return {name, std::vector<unsigned char>(bytes.begin(), bytes.end())};
}

// A square of four quarter turns on a single cross-section line.
TrkShape Ring() {
    TrkShape shape;
    shape.xSectionOffsets = {0.0};
    for (int i = 0; i < 4; ++i)
        shape.pieces.push_back(TrkPiece::Arc(50.0, std::numbers::pi / 2.0));
    return shape;
}

const Linewright::Fuzz::SeedRegistration registration("GPLTrkFileFuzzer", [] {
    return std::vector<Linewright::Fuzz::Seed>{SeedOf("sample.trk", SampleTrkShape()), SeedOf("ring.trk", Ring())};
});

}  // namespace
