// Seeds for the ICR2 LP reader: new tables for the sample track, one of them with values set.
#include "Papy/Lp/ICR2LpFile.h"
#include "Papy/Tracks/Trk/ICR2TrkFile.h"
#include "Papy/Tracks/Trk/TrkTrack.h"
#include "Samples/ICR2TrkWriter.h"
#include "fuzz/Seeds.h"
#include "testing/MemoryStream.h"

namespace {

using namespace Linewright::Samples;
using namespace Linewright::Testing;

Linewright::Fuzz::Seed SeedOf(const char* name, const Tessel::Papy::ICR2LpFile& lp) {
    MemoryStream out(std::string(4 + 12 * (std::size_t{lp.GetRecordCount()} + 1), '\0'), name);
    lp.Write(out.stream);
    return {name, {out.bytes->begin(), out.bytes->end()}};
}

std::vector<Linewright::Fuzz::Seed> Seeds() {
    const Tessel::Papy::TrkTrack track(std::make_shared<Tessel::Papy::ICR2TrkFile>(
        MemoryStream(WriteICR2Trk(SampleICR2TrkShape()), "sample.trk").stream));
    Tessel::Papy::ICR2LpFile wide(track, 50.0);
    for (std::uint32_t i = 0; i < wide.GetRecordCount(); ++i) {
        wide.SetRecordSpeed(i, 40.0 + i);
        wide.SetRecordLateralSpeed(i, i % 2 ? -0.5 : 0.5);
        wide.SetRecordLateral(i, 0.1 * i);
    }
    return {SeedOf("wide.lp", wide), SeedOf("race.lp", Tessel::Papy::ICR2LpFile(track, 0.0))};
}

const Linewright::Fuzz::SeedRegistration registration("ICR2LpFileFuzzer", Seeds);

}  // namespace
