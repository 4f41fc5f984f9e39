#include "Samples/DatWriter.h"
#include "Samples/GPLTrkWriter.h"
#include "fuzz/Seeds.h"

namespace Linewright::Fuzz {

namespace {

Seed Archive(const char* name, const std::vector<Samples::DatEntry>& members) {
    const std::string bytes = Samples::WriteICR2Dat(members);
    return {name, {bytes.begin(), bytes.end()}};
}

const SeedRegistration seeds("GPLFileFactoryRecognizerFuzzer", [] {
    const std::string track = Samples::WriteGPLTrk(Samples::SampleTrkShape());
    const std::string object = std::string("4OD3") + std::string(4, '\0');
    const std::string layout = std::string("\x06\0\0\0\x29\x03\0\0", 8);
    return std::vector<Seed>{Archive("track-and-object", {{"monza.trk", track}, {"monza.3do", object}}),
                             Archive("layout", {{"monza.lyt", layout}, {"monza.trk", track}})};
});

}  // namespace

}  // namespace Linewright::Fuzz
