// Seeds for the N3 replay reader: short sessions on a small track from the replay writer.
#include "Samples/N3RplWriter.h"
#include "fuzz/Seeds.h"

namespace {

using namespace Linewright::Samples;

Linewright::Fuzz::Seed SeedOf(const char* name, const N3Script& script) {
    const std::string bytes = WriteN3Rpl(script);
    return {name, {bytes.begin(), bytes.end()}};
}

// Three cars on a 300 m track for 20 s: a few laps each in 300 frames.
N3Script Laps() { return ExampleN3Script(300.0, 45.0, 20.0); }

// Two cars, one of them missing from every other frame, and an empty frame.
N3Script Patchy() {
    N3Script script;
    script.drivers = {{"A", 1}, {"B", 2}};
    for (std::uint32_t frame = 0; frame < 40; ++frame) {
        N3Frame entry;
        entry.cars.push_back({1, (frame * 1500) % 30000, -20, 100});
        if (frame % 2 == 0)
            entry.cars.push_back({0, (frame * 1400) % 30000, 30, 4000});
        script.frames.push_back(entry);
    }
    script.frames.push_back({});
    return script;
}

const Linewright::Fuzz::SeedRegistration registration("N3RplFileFuzzer", [] {
    return std::vector<Linewright::Fuzz::Seed>{SeedOf("laps.rpl", Laps()), SeedOf("patchy.rpl", Patchy())};
});

}  // namespace
