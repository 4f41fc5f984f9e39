#include "testing/GameFolderWriter.h"
#include "testing/N4LpWriter.h"
#include "testing/N4NodeWriters.h"
#include "testing/TemporaryFolder.h"
#include "tests/Cli/RunCli.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Linewright::Testing;

namespace {

// The sample PTF track is 600 + 100 pi m long: 305 records of 3 m.
const std::string n4Header =
    "# track: sebring\n"
    "# player: Jim Clark\n"
    "# types: work raceline race maxrace minrace maxpanic minpanic pit0 maxpit0 minpit0 pit1 maxpit1 minpit1 "
    "limp\n"
    "# records: 305\n";
constexpr std::uintmax_t lpSize = 8 + 24 * 305;

}  // namespace

TEST(N4Cli, SampleFoldersListTheirLapsAndConvertIntoTheTrackFolder) {
    const TemporaryFolder folder;
    const CliResult sample = RunCli({"sample", folder.path.string(), "--family", "n4"});
    ASSERT_EQ(sample.status, 0) << sample.err;
    const std::string replays = (folder / "n4/replays/").string();
    EXPECT_EQ(sample.out, "n4\t" + replays + "practice4.rpy\nn4\t" + replays + "practice5.rpy\n");
    const std::string lp = (folder / "n4/tracks/sebring/race.lp").string();
    for (const char* name : {"practice4.rpy", "practice5.rpy"}) {
        const CliResult laps = RunCli({"laps", replays + name});
        EXPECT_EQ(laps.status, 0) << laps.err;
        EXPECT_EQ(laps.out.substr(0, n4Header.size()), n4Header);
        EXPECT_NE(laps.out.find("\n0\t0\t1\tJim Clark\t"), std::string::npos) << laps.out;
        const CliResult converted = RunCli({"convert", replays + name, "--lap", "best", "--type", "race", "--overwrite"});
        EXPECT_EQ(converted.status, 0) << converted.err;
        EXPECT_EQ(converted.out, "LP file created.\n" + lp + "\n");
        EXPECT_EQ(std::filesystem::file_size(lp), lpSize);
    }
    EXPECT_EQ(RunCli({"info", replays + "practice4.rpy"}).out.substr(0, 20), "format: N4 rpy\nframe");
    EXPECT_EQ(RunCli({"info", replays + "practice5.rpy"}).out.substr(0, 23), "format: N2003 rpy\nframe");
    EXPECT_EQ(RunCli({"info", (folder / "n4/tracks/sebring/sebring.dat").string()}).out,
              "format: N4 dat\nmembers: 2\n");

    const CliResult info = RunCli({"info", lp});
    EXPECT_EQ(info.out, "format: N4 lp\nrecords: 305\nspacing_m: 3.000000\n") << info.err;
    const CliResult records = RunCli({"info", lp, "--records"});
    EXPECT_EQ(std::count(records.out.begin(), records.out.end(), '\n'), 3 + 305);
    EXPECT_NE(records.out.find("\n0\t3\t"), std::string::npos);
    // Only the N4 types name a file in an N4 track folder.
    const CliResult gplType = RunCli({"convert", replays + "practice4.rpy", "--lap", "best", "--type", "pass1"});
    EXPECT_EQ(gplType.status, 1);
    EXPECT_NE(gplType.err.find("Unknown LP type pass1"), std::string::npos) << gplType.err;

}

TEST(N4Cli, LoosePtfTracksAndTracksNamedOtherwise) {
    const TemporaryFolder folder;
    const N4Folder game = WriteN4Folder(folder.path, {{5}, true});
    const std::string replay = game.replays.front().string();
    EXPECT_EQ(RunCli({"laps", replay}).out.substr(0, n4Header.size()), n4Header);
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
