#include "Samples/GameFolderWriter.h"
#include "testing/TemporaryFolder.h"
#include "tests/Cli/RunCli.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Linewright::Samples;

namespace {

const std::string sampleHeader =
    "# track: monza\n"
    "# player: Jim Clark\n"
    "# types: work race maxrace minrace pass1 pass2 pit\n"
    "# records: 533\n";

const std::string n4Header =
    "# track: sebring\n"
    "# player: Jim Clark\n"
    "# types: work raceline race maxrace minrace maxpanic minpanic pit0 maxpit0 minpit0 pit1 maxpit1 minpit1 limp\n"
    "# records: 305\n";

// What one sample replay lists and converts into: paths below the sample folder.
struct SampleReplay {
    const char* replay;
    std::string laps;  // the header and the first lap
    const char* lp;
    const char* lpInfo;
};

const SampleReplay sampleReplays[] = {
    {"gpl/replays/practice.rpy", sampleHeader + "0\t0\t1\tJim Clark\t0m 40.860s\n", "gpl/tracks/monza/race.lp",
     "format: GPL lp\nrecords: 533\nspacing_m: 3.000000\n"},
    // N2 lap times are whole frames of 1/15 s.
    {"n2/replays/practice.rpl",
     "# track: indy\n# player: Al Unser\n"
     "# types: work race maxrace minrace pass1 pass2 maxpanic minpanic pit pace spot1\n# records: 369\n"
     "0\t0\t1\tRick Mears\t0m 22.000s\n",
     "n2/tracks/indy/race.lp", "format: ICR2 lp\nrecords: 369\nspacing_m: 3.329229\n"},
    {"n4/replays/practice4.rpy", n4Header + "0\t0\t1\tJim Clark\t0m 29.960s\n", "n4/tracks/sebring/race.lp",
     "format: N4 lp\nrecords: 305\nspacing_m: 3.000000\n"},
    {"n4/replays/practice5.rpy", n4Header + "0\t0\t1\tJim Clark\t0m 29.960s\n", "n4/tracks/sebring/race.lp",
     "format: N4 lp\nrecords: 305\nspacing_m: 3.000000\n"},
};

}  // namespace

TEST(GameFolderCli, EveryFamilysSampleListsItsLapsAndConvertsIntoItsTrackFolder) {
    const TemporaryFolder folder;
    const CliResult sample = RunCli({"sample", folder.path.string(), "--family", "all"});
    ASSERT_EQ(sample.status, 0) << sample.err;
    EXPECT_EQ(sample.out, "gpl\t" + (folder / "gpl/replays/practice.rpy").string() + "\nn2\t" +
                              (folder / "n2/replays/practice.rpl").string() + "\nn4\t" +
                              (folder / "n4/replays/practice4.rpy").string() + "\nn4\t" +
                              (folder / "n4/replays/practice5.rpy").string() + "\n");
    for (const SampleReplay& game : sampleReplays) {
        const std::string replay = (folder / game.replay).string();
        const CliResult laps = RunCli({"laps", replay});
        EXPECT_EQ(laps.status, 0) << laps.err;
        EXPECT_EQ(laps.out.substr(0, game.laps.size()), game.laps);
        const CliResult converted = RunCli({"convert", replay, "--lap", "best", "--type", "race", "--overwrite"});
        EXPECT_EQ(converted.status, 0) << converted.err;
        EXPECT_EQ(converted.out, "LP file created.\n" + (folder / game.lp).string() + "\n");
        EXPECT_EQ(RunCli({"info", (folder / game.lp).string()}).out, game.lpInfo) << game.replay;
    }
}

TEST(GameFolderCli, ConvertWritesOnlyTheTypesOfTheGame) {
    const TemporaryFolder folder;
    ASSERT_EQ(RunCli({"sample", folder.path.string(), "--family", "all"}).status, 0);
    // Only the N4 types name a file in an N4 track folder.
    const CliResult gplType =
        RunCli({"convert", (folder / "n4/replays/practice4.rpy").string(), "--lap", "best", "--type", "pass1"});
    EXPECT_EQ(gplType.status, 1);
    EXPECT_NE(gplType.err.find("Unknown LP type pass1"), std::string::npos) << gplType.err;
    EXPECT_EQ(RunCli({"sample", folder.path.string(), "--family", "zx"}).status, 2);
}

// Without its track file, then without its track folder, a replay still lists its laps; what
// needs the track fails naming what was looked for.
TEST(GameFolderCli, AMissingTrackStillListsTheLaps) {
    const TemporaryFolder folder;
    const GPLFolder game = WriteGPLFolder(folder.path);
    const std::string replay = game.replay.string();
    const std::pair<std::function<void()>, std::string> missing[] = {
        {[&] { std::filesystem::remove(game.trackDirectory / "monza.dat"); },
         "Couldn't open " + (game.trackDirectory / "monza.trk").string() + "\nFile not found\n"},
        {[&] { std::filesystem::remove_all(game.trackDirectory.parent_path()); },
         "The track folder " + game.trackDirectory.string() + " was not found\n"},
    };
    for (const auto& [remove, message] : missing) {
        remove();
        const CliResult laps = RunCli({"laps", replay});
        EXPECT_EQ(laps.status, 1);
        EXPECT_EQ(laps.err, message);
        EXPECT_EQ(laps.out.find("# types"), std::string::npos);
        EXPECT_NE(laps.out.find("0\t0\t1\tJim Clark\t"), std::string::npos);
        for (const std::vector<std::string>& command :
             {std::vector<std::string>{"convert", replay, "--lap", "best", "--type", "race"},
              std::vector<std::string>{"plot", replay, "--lap", "best", "-o", (folder / "lap.svg").string()}}) {
            const CliResult failed = RunCli(command);
            EXPECT_EQ(failed.status, 1) << command[0];
            EXPECT_EQ(failed.err, message) << command[0];
        }
    }
}

TEST(GameFolderCli, SampleReplacesThePlayersFilesWhenToldTo) {
    const TemporaryFolder folder;
    const auto own = folder.Write("gpl/replays/practice.rpy", "the player's own lap");
    const CliResult replaced = RunCli({"sample", folder.path.string(), "--overwrite"});
    EXPECT_EQ(replaced.status, 0) << replaced.err;
    EXPECT_EQ(RunCli({"laps", own.string()}).status, 0);
}

// A GPL LP is read against its track: outside its track folder `info` names the track file it
// looked for, and --track names another.
TEST(GameFolderCli, AGPLLpOutsideItsTrackFolderNeedsItsTrackNamed) {
    const TemporaryFolder folder;
    const GPLFolder game = WriteGPLFolder(folder.path);
    ASSERT_EQ(RunCli({"convert", game.replay.string(), "--lap", "best", "--type", "race"}).status, 0);
    const auto copy = folder.Write("copies/race.lp", ReadFile(game.trackDirectory / "race.lp"));

    const CliResult alone = RunCli({"info", copy.string()});
    EXPECT_EQ(alone.status, 1);
    EXPECT_NE(alone.err.find((folder / "copies/copies.trk").string()), std::string::npos) << alone.err;
    EXPECT_NE(alone.err.find("--track FILE"), std::string::npos) << alone.err;

    const std::string track = (game.trackDirectory / "monza.trk").string();  // a member of monza.dat
    const CliResult named = RunCli({"info", copy.string(), "--track", track});
    EXPECT_EQ(named.out, "format: GPL lp\nrecords: 533\nspacing_m: 3.000000\n") << named.err;
    EXPECT_EQ(RunCli({"info", game.replay.string(), "--track", track}).status, 1);  // no LP
}
