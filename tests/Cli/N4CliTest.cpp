#include "Samples/GameFolderWriter.h"
#include "Samples/N4NodeWriters.h"
#include "testing/N4LpWriter.h"
#include "testing/TemporaryFolder.h"
#include "tests/Cli/RunCli.h"

#include <gtest/gtest.h>

using namespace Linewright::Samples;
using namespace Linewright::Testing;

namespace {

// The sample PTF track is 600 + 100 pi m long: 305 records of 3 m.
constexpr std::uintmax_t lpSize = 8 + 24 * 305;

}  // namespace

TEST(N4Cli, LoosePtfTracksAndTracksNamedOtherwise) {
    const TemporaryFolder folder;
    const N4Folder game = WriteN4Folder(folder.path, {{5}, true});
    const std::string replay = game.replays.front().string();
    EXPECT_NE(RunCli({"laps", replay}).out.find("\n# records: 305\n"), std::string::npos);
    EXPECT_EQ(RunCli({"convert", replay, "--lap", "best", "--type", "limp"}).status, 0);
    EXPECT_EQ(std::filesystem::file_size(game.trackDirectory / "limp.lp"), lpSize);

    const std::string ptf = (game.trackDirectory / "sebring.ptf").string();
    const CliResult info = RunCli({"info", ptf, "--point=0,1"});
    EXPECT_EQ(info.out,
              "format: N4 ptf\nsections: 8\nlength_m: 914.159265\nlength_2d_m: 914.159265\n"
              "point: 0.000000 1.000000 0.000000 0.000000 0.000000 0.000000 3\nobjects: 35\n")
        << info.err;

    const auto renamed = folder / "elsewhere/Renamed.PTF";
    std::filesystem::create_directories(renamed.parent_path());
    std::filesystem::copy_file(ptf, renamed);
    const CliResult converted =
        RunCli({"convert", replay, "--lap", "best", "--type", "race", "--track", renamed.string()});
    EXPECT_EQ(converted.status, 0) << converted.err;
    EXPECT_EQ(converted.out, "LP file created.\n" + (folder / "elsewhere/race.lp").string() + "\n");
    EXPECT_EQ(std::filesystem::file_size(folder / "elsewhere/race.lp"), lpSize);
}

TEST(N4Cli, BadFilesFailWithTheirNameAndWriteNothing) {
    const TemporaryFolder folder;
    const N4Folder game = WriteN4Folder(folder.path, {{4}, true});
    const std::string replay = game.replays.front().string();
    const auto ptf = game.trackDirectory / "sebring.ptf";
    std::string bytes = ReadFile(ptf);
    bytes.resize(bytes.size() / 2);
    folder.Write("tracks/sebring/sebring.ptf", bytes);
    const CliResult laps = RunCli({"laps", replay});
    EXPECT_EQ(laps.status, 1);
    EXPECT_NE(laps.err.find("sebring.ptf"), std::string::npos) << laps.err;
    EXPECT_EQ(RunCli({"convert", replay, "--lap", "best", "--type", "race"}).status, 1);

    folder.Write("tracks/sebring/sebring.ptf", WriteArchive(SampleTdoTree()));
    const CliResult notTrack = RunCli({"convert", replay, "--lap", "best", "--type", "race"});
    EXPECT_EQ(notTrack.status, 1);
    EXPECT_NE(notTrack.err.find("N4 ptf root object not a Track"), std::string::npos) << notTrack.err;
    EXPECT_FALSE(std::filesystem::exists(game.trackDirectory / "race.lp"));

    // An N4 LP is known by its header and size wherever it lies; a wrong size is no N4 LP.
    const auto lp = folder.Write("loose/x.lp", WriteN4Lp(MakeN4LpRecords(4)));
    EXPECT_EQ(RunCli({"info", lp.string()}).out, "format: N4 lp\nrecords: 4\nspacing_m: 3.000000\n");
    const auto cut = folder.Write("loose/cut.lp", WriteN4Lp(MakeN4LpRecords(4)).substr(0, 50));
    EXPECT_EQ(RunCli({"info", cut.string()}).status, 1);
    // Its layout tells a damaged N4 LP from a GPL LP of the same version.
    const CliResult damaged = RunCli({"info", folder.Write("loose/version_10002.lp", WriteN4Lp(MakeN4LpRecords(4), 0x10002)).string()});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_NE(damaged.err.find("N4 Lp file version error"), std::string::npos) << damaged.err;
}

TEST(N4Cli, InfoCountsTheObjectsOfA3doAndNamesItsFault) {
    const TemporaryFolder folder;
    const ArchiveRef tree = SampleTdoTree();
    EXPECT_EQ(RunCli({"info", folder.Write("car.3do", WriteArchive(tree)).string()}).out, "format: N4 3do\nobjects: 9\n");
    FindObject(tree, "ShapeDescriptor")->Set("reserved0", U32Bytes(0));
    const auto damaged = RunCli({"info", folder.Write("bad.3do", WriteArchive(tree)).string()});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_NE(damaged.err.find("N4 3do Shape reserved0 not 1"), std::string::npos) << damaged.err;
    EXPECT_EQ(damaged.out, "");
}

TEST(N4Cli, InfoReadsA3doWhoseAppearanceNamesTextureCoordinates) {
    const TemporaryFolder folder;
    const ArchiveRef tree = SampleTdoTree();
    FindObject(tree, "AppearanceDescriptor")->SetRef("texture", PtfTextureCoords(4, true), 1);
    const CliResult info = RunCli({"info", folder.Write("car.3do", WriteArchive(tree)).string()});
    EXPECT_EQ(info.out, "format: N4 3do\nobjects: 10\n") << info.err;
}
