// Seeds for the N2 game folder: the sample folder with its track archived, and with the track
// loose beside the archive; each with a small LP.
#include "Samples/GameFolderWriter.h"
#include "Samples/ICR2TrkWriter.h"
#include "fuzz/GameFolderFuzzing.h"
#include "fuzz/Seeds.h"
#include "testing/TemporaryFolder.h"

namespace Linewright::Fuzz {

namespace {

const GameFolderLayout layout{"practice.rpl", "indy", "trk"};

// Three records, the last repeating the first.
std::string SmallLp() { return std::string("\x03\0\0\0", 4) + std::string(36, '\x01'); }

const SeedRegistration seeds("N2FileFactoryRecognizerFuzzer", [] {
    const TemporaryFolder folder;
    Samples::WriteN2Folder(folder.path);
    folder.Write("tracks/indy/race.lp", SmallLp());
    std::vector<Seed> made = {MakeSeed("archived-track", ReadFolderFiles(folder.path, layout))};
    folder.Write("tracks/indy/indy.trk", Samples::WriteICR2Trk(Samples::SampleICR2TrkShape()));
    made.push_back(MakeSeed("loose-track", ReadFolderFiles(folder.path, layout)));
    return made;
});

}  // namespace

}  // namespace Linewright::Fuzz
