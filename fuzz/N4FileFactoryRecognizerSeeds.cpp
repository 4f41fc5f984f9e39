// Seeds for the N4 game folder: the sample folder with its track archived (and imploded), and
// with the track loose; each with a small LP.
#include "Samples/GameFolderWriter.h"
#include "fuzz/GameFolderFuzzing.h"
#include "fuzz/Seeds.h"
#include "testing/N4LpWriter.h"
#include "testing/TemporaryFolder.h"

namespace Linewright::Fuzz {

namespace {

const GameFolderLayout layout{"practice4.rpy", "sebring", "ptf"};

Seed FolderSeed(const char* name, bool looseTrack) {
    const TemporaryFolder folder;
    Samples::WriteN4Folder(folder.path, {{4}, looseTrack});
    folder.Write("tracks/sebring/race.lp", Testing::WriteN4Lp(Testing::MakeN4LpRecords(4)));
    return MakeSeed(name, ReadFolderFiles(folder.path, layout));
}

const SeedRegistration seeds("N4FileFactoryRecognizerFuzzer",
                             [] { return std::vector<Seed>{FolderSeed("archived-track", false), FolderSeed("loose-track", true)}; });

}  // namespace

}  // namespace Linewright::Fuzz
