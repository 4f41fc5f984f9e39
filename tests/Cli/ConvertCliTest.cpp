#include "testing/LapFiles.h"
#include "testing/TemporaryFolder.h"
#include "tests/Cli/RunCli.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace Linewright::Testing;

namespace {

// A 3600 m track in a folder named after it (1201 records), and a replay of 90 s whose lap 1
// (from 2 s to 74 s) is its only complete lap.
struct GameFiles {
    GameFiles() {
        track = folder.Write("tracks/loop/loop.trk", files.track).string();
        replay = folder.Write("replays/lap.rpy", files.replay).string();
        lp = (folder / "tracks/loop/race.lp").string();
    }
    CliResult Convert(std::vector<std::string> more) const {
        std::vector<std::string> arguments = {"convert", replay, "--type", "race", "--track", track};
        arguments.insert(arguments.end(), more.begin(), more.end());
        return RunCli(arguments);
    }

    const GPLLapFiles files = MakeGPLLapFiles(1000.0, 800.0 / std::numbers::pi, 50.0, 0.5, 90.0);
    TemporaryFolder folder;
    std::string track, replay, lp;
};

}  // namespace

TEST(ConvertCli, WritesTheLpBesideTheTrackAndInfoReadsItBack) {
    const GameFiles game;
    const CliResult converted = game.Convert({"--lap", "best"});
    EXPECT_EQ(converted.err, "");
    EXPECT_EQ(converted.status, 0);
    EXPECT_EQ(converted.out, "LP file created.\n" + game.lp + "\n");
    const CliResult info = RunCli({"info", game.lp});
    EXPECT_EQ(info.status, 0) << info.err;
    EXPECT_EQ(info.out, "format: GPL lp\nrecords: 1201\nspacing_m: 3.000000\n");
    const CliResult records = RunCli({"info", game.lp, "--records"});
    std::istringstream lines(records.out);
    std::string line;
    for (int skip = 0; skip < 4; ++skip)
        std::getline(lines, line);
    // index, longitude, speed, lateral speed, lateral offset, angle rate
    std::vector<std::string> fields;
    std::istringstream record(line);
    for (std::string field; std::getline(record, field, '\t');)
        fields.push_back(field);
    ASSERT_EQ(fields.size(), 6u) << line;
    EXPECT_EQ(fields[0], "0");
    EXPECT_EQ(fields[1], "3");
    EXPECT_NEAR(std::stod(fields[2]), 50.0, 0.05);
    EXPECT_EQ(std::count(records.out.begin(), records.out.end(), '\n'), 3 + 1201);
}

TEST(ConvertCli, TakesATrackFileNamedOtherwiseThanItsFolder) {
    const GameFiles game;
    const auto track = game.folder.Write("circuits/Loop Variant.TRK", game.files.track);
    const CliResult converted =
        RunCli({"convert", game.replay, "--lap", "best", "--type", "race", "--track", track.string()});
    EXPECT_EQ(converted.status, 0) << converted.err;
    const auto lp = game.folder / "circuits/race.lp";
    EXPECT_EQ(converted.out, "LP file created.\n" + lp.string() + "\n");
    EXPECT_EQ(ReadFile(lp).size(), 8u + 20u * 1201u);
}

// Refusals of every command's outputs: OutputSafetyCliTest.
TEST(ConvertCli, OverwriteReplacesAnExistingOutputAndLeavesNothingElse) {
    const GameFiles game;
    const auto old = game.folder.Write("elsewhere/out.lp", "old bytes");
    EXPECT_EQ(game.Convert({"--lap", "0:0:1", "--output", old.string(), "--overwrite"}).status, 0);
    EXPECT_EQ(ReadFile(old).size(), 8u + 20u * 1201u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(old.parent_path()), {}), 1);
}

TEST(ConvertCli, BackupKeepsTheReplacedFileOneLevelDeep) {
    const GameFiles game;
    const auto output = game.folder.Write("elsewhere/out.lp", "old bytes");
    const std::string backup = output.string() + ".bak";
    const auto convert = [&] { return game.Convert({"--lap", "0:0:1", "--output", output.string(), "--backup"}); };
    const CliResult first = convert();
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, "LP file created.\n" + output.string() + "\nThe file it replaced is kept as " + backup + "\n");
    EXPECT_EQ(ReadFile(backup), "old bytes");
    const std::string written = ReadFile(output);
    game.folder.Write("elsewhere/out.lp", "older bytes");
    EXPECT_EQ(convert().status, 0);
    EXPECT_EQ(ReadFile(backup), "older bytes");
    EXPECT_EQ(ReadFile(output), written);

    std::filesystem::remove(output);
    std::filesystem::remove(backup);
    EXPECT_EQ(convert().out, "LP file created.\n" + output.string() + "\n");
    EXPECT_FALSE(std::filesystem::exists(backup));
}

TEST(ConvertCli, OverwriteReplacesALinkAtTheOutputItself) {
    const GameFiles game;
    const auto nowhere = game.folder / "gone/race.lp";
    if (!TryCreateSymlink(nowhere, game.lp))
        GTEST_SKIP() << "no symbolic links on this system";
    EXPECT_EQ(game.Convert({"--lap", "best", "--overwrite"}).status, 0);
    EXPECT_FALSE(std::filesystem::is_symlink(game.lp));
    EXPECT_EQ(ReadFile(game.lp).size(), 8u + 20u * 1201u);
    EXPECT_FALSE(std::filesystem::exists(nowhere.parent_path()));
}

TEST(ConvertCli, RefusesLapsOutsideTheLapList) {
    const GameFiles game;
    const CliResult partial = game.Convert({"--lap", "0:0:0"});  // begins at the session start
    EXPECT_EQ(partial.status, 1);
    EXPECT_NE(partial.err.find("0:0:0"), std::string::npos) << partial.err;
    EXPECT_EQ(game.Convert({"--lap", "7:0:1"}).status, 1);
    EXPECT_EQ(game.Convert({"--lap", "0:0"}).status, 2);
    EXPECT_EQ(game.Convert({"--lap", "fastest"}).status, 2);
    EXPECT_FALSE(std::filesystem::exists(game.lp));
}
