// Seeds for PTF track making: sample tracks from the object-archive writer, and archives that
// are read but make no track.
#include "Samples/N4ArchiveWriter.h"
#include "Samples/N4NodeWriters.h"
#include "fuzz/Seeds.h"

namespace Linewright::Fuzz {

namespace {

const SeedRegistration seeds("PtfTrackFuzzer", [] {
    using namespace Samples;
    PtfSegmentFields straight;
    straight.endX = 100.0;
    straight.xSections = {PtfXSection({-5.0, 0.0, 1.0, -5.0, 1.0, 1.0}), PtfXSection({5.0, 0.0, 1.0, 5.0, 1.0, 1.0})};
    straight.fSections = {PtfFSection(-6.0, -6.0, 2), PtfFSection(6.0, 6.0, 1)};
    return std::vector<Seed>{
        MakeSeed("sample.ptf", WritePtf(SamplePtfShape())),
        MakeSeed("loop.ptf", WritePtf(PtfLoop(8))),
        MakeSeed("straight.ptf", WriteArchive(PtfTrack({PtfSegment(straight)}))),
        MakeSeed("no-segments.ptf", WriteArchive(PtfTrack({}))),
        MakeSeed("object.3do", WriteArchive(SampleTdoTree())),
    };
});

}  // namespace

}  // namespace Linewright::Fuzz
