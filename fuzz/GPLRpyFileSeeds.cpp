#include "Samples/RpyWriter.h"
#include "fuzz/Seeds.h"

namespace Linewright::Fuzz {

namespace {

// Short sessions on a 200 m track, so that a few hundred frames hold several laps.
Seed ShortSession(const char* name, std::uint32_t version, bool floatSamples, bool quarterMillimetres) {
    Samples::RpyScript script;
    script.version = version;
    script.floatSamples = floatSamples;
    script.quarterMillimetres = quarterMillimetres;
    script.headerVersion = version == 1 ? 1 : 0;
    script.headerText = u"Seed";
    script.drivers = {{"Jim", "Clark", 2, 2003}, {"Graham", "Hill", 0, 14}};
    Samples::RpySession session;
    session.trackLength = 200.0;
    session.frameCount = 240;
    session.firstClockFrame = 40;  // after the first crossing of both cars
    session.drives = {{2, true, 150.0, 100.0, 1.0, {}}, {0, false, 120.0, 110.0, -1.0, {{150, 160}}}};
    Samples::AddSession(script, session);
    script.frames[3].unknownRecord = true;
    const std::string bytes = Samples::WriteRpy(script);
    return {name, {bytes.begin(), bytes.end()}};
}

const SeedRegistration seeds("GPLRpyFileFuzzer", [] {
    return std::vector<Seed>{ShortSession("gpl", 2, false, false), ShortSession("gpl-float", 2, true, true),
                             ShortSession("gpl-long-header", 1, false, false),
                             ShortSession("n4", 3, false, true), ShortSession("n2003", 5, true, false)};
});

}  // namespace

}  // namespace Linewright::Fuzz
