#include "Samples/DatWriter.h"
#include "Samples/GPLTrkWriter.h"
#include "Samples/GameFolderWriter.h"
#include "testing/LapFiles.h"
#include "testing/N4LpWriter.h"
#include "Samples/N4NodeWriters.h"
#include "tests/Cli/RunCli.h"
#include "tests/Papy/TrkTestFiles.h"

#include <gtest/gtest.h>

#include <numbers>

using namespace Linewright::Samples;
using namespace Linewright::Testing;

namespace {

// A command that reads a damaged file: what standard error says of it.
struct Damaged {
    std::vector<std::string> arguments;
    std::string message;
};

}  // namespace

// Whatever reads a damaged file fails with status 1 and its reader's message, writes nothing, and
// `info` prints nothing of it.
TEST(Cli, EveryDamagedFileFailsWithItsReadersMessage) {
    const TemporaryFolder folder;
    const N2Folder n2 = WriteN2Folder(folder / "n2");
    std::string replay = ReadFile(n2.replay);
    replay[8] = 1;  // the reserved word
    const std::string n2Replay = folder.Write("n2/replays/broken.rpl", replay).string();
    const N4Folder n4 = WriteN4Folder(folder / "n4", {{4}, true});
    const std::string n4Replay = n4.replays.front().string();
    const std::string ptf = (n4.trackDirectory / "sebring.ptf").string();
    folder.Write("n4/tracks/sebring/sebring.ptf", ReadFile(ptf).substr(0, std::filesystem::file_size(ptf) / 2));
    WriteN4Folder(folder / "n4tdo", {{4}, true});
    folder.Write("n4tdo/tracks/sebring/sebring.ptf", WriteArchive(SampleTdoTree()));
    const ArchiveRef tdo = SampleTdoTree();
    FindObject(tdo, "ShapeDescriptor")->Set("reserved0", U32Bytes(0));
    const GPLLapFiles loop = MakeGPLLapFiles(1000.0, 800.0 / std::numbers::pi, 50.0, 0.5, 1.0);
    folder.Write("loop/loop.trk", loop.track);
    const auto written = [&](const std::string& name, const std::string& bytes) { return folder.Write(name, bytes).string(); };
    const std::string gplTrk = written("oval.trk", WriteGPLTrk(SampleTrkShape()) + "x");
    const std::string flatTrk = written("flat.trk", Tessel::Papy::WithoutHorizontalLength(WriteGPLTrk(SampleTrkShape())));
    const std::string gplLpVersion = written("loop/pit.lp", std::string("\x02\x00\x07\x00\x00\x00\x00\x00", 8));
    const std::string n4Dat = written("n4.dat", WriteN4Dat({{"track.ptf", "the track", true}}));
    const Damaged cases[] = {
        {{"info", n2Replay}, "A possible error was found in file " + n2Replay + "\nN3 rpl header reserved not zero\n"},
        {{"laps", n2Replay}, "A possible error was found in file " + n2Replay + "\nN3 rpl header reserved not zero\n"},
        {{"convert", n2Replay, "--lap", "best", "--type", "race"}, "N3 rpl header reserved not zero"},
        {{"laps", n4Replay}, "Couldn't read from " + ptf},
        {{"convert", n4Replay, "--lap", "best", "--type", "race"}, "Couldn't read from " + ptf},
        {{"convert", (folder / "n4tdo/replays/practice4.rpy").string(), "--lap", "best", "--type", "race"},
         "N4 ptf root object not a Track"},
        {{"info", written("bad.3do", WriteArchive(tdo))}, "N4 3do Shape reserved0 not 1"},
        {{"info", written("cut.lp", WriteN4Lp(MakeN4LpRecords(4)).substr(0, 50))}, "Couldn't read from " + (folder / "cut.lp").string()},
        // Its layout tells a damaged N4 LP from a GPL LP of the same version.
        {{"info", written("version_10002.lp", WriteN4Lp(MakeN4LpRecords(4), 0x10002))}, "N4 Lp file version error"},
        {{"info", gplTrk}, "GPL trk file size mismatch"},
        {{"info", flatTrk, "--point=10,0"},
         "A possible error was found in file " + flatTrk + "\nGPL trk file 2D length not positive\n"},
        {{"info", written("loop/race.lp", std::string("\x02\x00\x01\x00\x00\x00\x00\x00", 8))},
         "Contains incorrect number of records"},
        // A damaged version no longer shows the kind: the folder's game reads it and says why.
        {{"info", gplLpVersion}, "A possible error was found in file " + gplLpVersion + "\nGPL Lp file version error\n"},
        // A forced format shows that reader's own complaint.
        {{"dat", "list", n4Dat, "--format", "icr2"},
         "A possible error was found in file " + n4Dat + "\nICR2 dat file subfile count error\n"},
        // Every describer reads the one open file and says no.
        {{"info", written("notes.txt", "words that no describer takes")}, "notes.txt: not a file of a known kind\n"},
    };
    const auto before = FolderTree(folder.path);
    for (const Damaged& c : cases) {
        const CliResult result = RunCli(c.arguments);
        EXPECT_EQ(result.status, 1) << c.message;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        if (c.arguments[0] == "info") {
            EXPECT_EQ(result.out, "") << c.message;
        }
        EXPECT_EQ(FolderTree(folder.path), before) << c.message;
    }
}
