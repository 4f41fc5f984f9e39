#include "testing/GameFolderWriter.h"
#include "testing/TemporaryFolder.h"
#include "tests/Cli/RunCli.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace Linewright::Testing;

namespace {

const std::string sampleHeader =
    "# track: monza\n"
    "# player: Jim Clark\n"
    "# types: work race maxrace minrace pass1 pass2 pit\n"
    "# records: 533\n";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

}  // namespace

TEST(GameFolderCli, SampleListsItsLapsAndConvertsIntoTheTrackDirectory) {
    const TemporaryFolder folder;
    const CliResult sample = RunCli({"sample", folder.path.string()});
    ASSERT_EQ(sample.status, 0) << sample.err;
    const std::string replay = (folder / "gpl/replays/practice.rpy").string();
    EXPECT_EQ(sample.out, "gpl\t" + replay + "\n");

    const CliResult laps = RunCli({"laps", replay});
    EXPECT_EQ(laps.status, 0) << laps.err;
    EXPECT_EQ(laps.out.substr(0, sampleHeader.size()), sampleHeader);
    const auto lines = Lines(laps.out);
    ASSERT_GE(lines.size(), 4u + 9u);  // several complete laps of each of three cars
    EXPECT_EQ(lines[4], "0\t0\t1\tJim Clark\t0m 34.693s");

    const CliResult converted = RunCli({"convert", replay, "--lap", "0:0:2", "--type", "race"});
    const std::string lp = (folder / "gpl/tracks/monza/race.lp").string();
    EXPECT_EQ(converted.status, 0) << converted.err;
    EXPECT_EQ(converted.out, "LP file created.\n" + lp + "\n");
    const CliResult info = RunCli({"info", lp});
    EXPECT_EQ(info.out, "format: GPL lp\nrecords: 533\nspacing_m: 3.000000\n") << info.err;

    EXPECT_EQ(RunCli({"convert", replay, "--lap", "best", "--type", "race"}).status, 3);
    EXPECT_EQ(RunCli({"convert", replay, "--lap", "best", "--type", "race", "--overwrite"}).status, 0);
    const CliResult unknown = RunCli({"convert", replay, "--lap", "best", "--type", "../race"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("Unknown LP type ../race"), std::string::npos) << unknown.err;
    EXPECT_EQ(RunCli({"sample", folder.path.string(), "--family", "zx"}).status, 2);
}

TEST(GameFolderCli, LooseAndUpperCaseTracksConvertAlike) {
    for (const GPLFolderOptions options : {GPLFolderOptions{true, false}, GPLFolderOptions{false, true},
                                           GPLFolderOptions{true, true}}) {
        const TemporaryFolder folder;
        const GPLFolder game = WriteGPLFolder(folder.path, options);
        const CliResult laps = RunCli({"laps", game.replay.string()});
        EXPECT_EQ(laps.status, 0) << laps.err;
        EXPECT_EQ(laps.out.substr(0, sampleHeader.size()), sampleHeader);
        const CliResult converted = RunCli({"convert", game.replay.string(), "--lap", "best", "--type", "pit"});
        EXPECT_EQ(converted.status, 0) << converted.err;
        EXPECT_TRUE(std::filesystem::is_regular_file(game.trackDirectory / "pit.lp"));
    }
}

TEST(GameFolderCli, AMissingTrackStillListsTheLaps) {
    const TemporaryFolder folder;
    const GPLFolder game = WriteGPLFolder(folder.path);
    std::filesystem::remove(game.trackDirectory / "monza.dat");
    const CliResult laps = RunCli({"laps", game.replay.string()});
    EXPECT_EQ(laps.status, 1);
    EXPECT_EQ(laps.err, "Couldn't open " + (game.trackDirectory / "monza.trk").string() + "\nFile not found\n");
    EXPECT_EQ(laps.out.find("# types"), std::string::npos);
    EXPECT_NE(laps.out.find("0\t0\t1\tJim Clark\t"), std::string::npos);
    EXPECT_EQ(RunCli({"convert", game.replay.string(), "--lap", "best", "--type", "race"}).status, 1);
}

TEST(GameFolderCli, SampleKeepsThePlayersFilesUnlessToldToReplaceThem) {
    const TemporaryFolder folder;
    const auto own = folder.Write("gpl/replays/practice.rpy", "the player's own lap");
    const CliResult kept = RunCli({"sample", folder.path.string()});
    EXPECT_EQ(kept.status, 3);
    EXPECT_EQ(kept.err, own.string() + ": File already exists - give --overwrite to replace it\n");
    EXPECT_EQ(ReadFile(own), "the player's own lap");
    EXPECT_FALSE(std::filesystem::exists(folder / "gpl/tracks"));
    EXPECT_EQ(std::distance(std::filesystem::recursive_directory_iterator(folder.path), {}), 3);
    const CliResult replaced = RunCli({"sample", folder.path.string(), "--overwrite"});
    EXPECT_EQ(replaced.status, 0) << replaced.err;
    EXPECT_EQ(RunCli({"laps", own.string()}).status, 0);
}

TEST(GameFolderCli, ConvertNeverWritesOverTheFilesItReads) {
    const TemporaryFolder folder;
    const GPLFolder game = WriteGPLFolder(folder.path);
    const std::string archive = (game.trackDirectory / "monza.dat").string();
    std::filesystem::create_symlink(game.replay, folder / "replay.lp");
    for (const std::string& input : {game.replay.string(), archive, (folder / "replay.lp").string()}) {
        const std::string before = ReadFile(input);
        const CliResult refused =
            RunCli({"convert", game.replay.string(), "--lap", "best", "--type", "race", "--output", input, "--overwrite"});
        EXPECT_EQ(refused.status, 1) << input;
        EXPECT_NE(refused.err.find("refusing to write over it"), std::string::npos) << refused.err;
        EXPECT_EQ(ReadFile(input), before) << input;
    }
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "replay.lp"));
}

TEST(GameFolderCli, N2SampleListsN3LapsAndConvertsAClosedRaceLine) {
    const TemporaryFolder folder;
    const CliResult sample = RunCli({"sample", folder.path.string(), "--family", "n2"});
    ASSERT_EQ(sample.status, 0) << sample.err;
    const std::string replay = (folder / "n2/replays/practice.rpl").string();
    EXPECT_EQ(sample.out, "n2\t" + replay + "\n");

    const CliResult laps = RunCli({"laps", replay});
    EXPECT_EQ(laps.status, 0) << laps.err;
    const auto lines = Lines(laps.out);
    ASSERT_GE(lines.size(), 4u + 9u);
    EXPECT_EQ(lines[0], "# track: indy");
    EXPECT_EQ(lines[1], "# player: Al Unser");
    EXPECT_EQ(lines[2], "# types: work race maxrace minrace pass1 pass2 maxpanic minpanic pit pace spot1");
    const int records = std::stoi(lines[3].substr(std::string("# records: ").size()));
    // Lap times are whole frames of 1/15 s.
    EXPECT_EQ(lines[4], "0\t0\t1\tRick Mears\t0m 27.333s");

    const CliResult converted = RunCli({"convert", replay, "--lap", "best", "--type", "race"});
    const auto lp = folder / "n2/tracks/indy/race.lp";
    EXPECT_EQ(converted.status, 0) << converted.err;
    EXPECT_EQ(converted.out, "LP file created.\n" + lp.string() + "\n");
    const std::string bytes = ReadFile(lp);
    ASSERT_EQ(bytes.size(), 4u + 12u * (records + 1));
    EXPECT_EQ(bytes.substr(bytes.size() - 12), bytes.substr(4, 12));  // the closing record repeats record 0
}

TEST(GameFolderCli, SampleOfEveryFamilyWritesEachFolder) {
    const TemporaryFolder folder;
    const CliResult sample = RunCli({"sample", folder.path.string(), "--family", "all"});
    ASSERT_EQ(sample.status, 0) << sample.err;
    EXPECT_EQ(sample.out, "gpl\t" + (folder / "gpl/replays/practice.rpy").string() + "\nn2\t" +
                              (folder / "n2/replays/practice.rpl").string() + "\nn4\t" +
                              (folder / "n4/replays/practice4.rpy").string() + "\nn4\t" +
                              (folder / "n4/replays/practice5.rpy").string() + "\n");
}
