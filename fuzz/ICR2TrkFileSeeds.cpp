// Seeds for the ICR2 track reader: the sample track and one of a single line without walls.
#include "fuzz/Seeds.h"
#include "testing/ICR2TrkWriter.h"

#include <numbers>

namespace {

using namespace Linewright::Testing;

Linewright::Fuzz::Seed SeedOf(const char* name, const TrkShape& shape) {
    const std::string bytes = WriteICR2Trk(shape);
    return {name, std::vector<unsigned char>(bytes.begin(), bytes.end())};
}

// A square of four quarter turns on a single cross-section line, with no walls.
TrkShape Ring() {
    TrkShape shape;
    shape.xSectionOffsets = {0.0};
    for (int i = 0; i < 4; ++i)
        shape.pieces.push_back(TrkPiece::Arc(50.0, std::numbers::pi / 2.0));
    return shape;
}

const Linewright::Fuzz::SeedRegistration registration("ICR2TrkFileFuzzer", [] {
    return std::vector<Linewright::Fuzz::Seed>{SeedOf("sample.trk", SampleICR2TrkShape()), SeedOf("ring.trk", Ring())};
});

}  // namespace
