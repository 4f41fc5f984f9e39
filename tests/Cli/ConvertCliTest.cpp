#include "testing/LapFiles.h"
#include "testing/TemporaryFolder.h"
#include "tests/Cli/RunCli.h"

#include <gtest/gtest.h>

#include <numbers>

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

// The race.lp converted from the best lap, its table exported beside it.
struct ExportedLp : GameFiles {
    ExportedLp() {
        Convert({"--lap", "best"});
        bytes = ReadFile(lp);
        exported = RunCli({"lp", "export", lp, "-o", table});
    }

    const std::string table = (folder / "race.csv").string();
    std::string bytes;
    CliResult exported;
};

}  // namespace

// Refusals of every command's outputs: OutputSafetyCliTest.
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

TEST(LpCli, ExportThenImportGivesTheSameBytesKeepingTheOldLp) {
    const ExportedLp game;
    ASSERT_EQ(game.exported.status, 0) << game.exported.err;
    EXPECT_EQ(RunCli({"lp", "export", game.lp}).out, ReadFile(game.table));

    const CliResult imported = RunCli({"lp", "import", game.table, "--into", game.lp, "--backup"});
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.out, "LP file created.\n" + game.lp + "\nThe file it replaced is kept as " + game.lp + ".bak\n");
    EXPECT_EQ(ReadFile(game.lp), game.bytes);
    EXPECT_EQ(ReadFile(game.lp + ".bak"), game.bytes);

    const std::string fresh = (game.folder / "tracks/loop/pass1.lp").string();
    const CliResult created = RunCli({"lp", "import", game.table, "--track", game.track, "--type", "pass1"});
    EXPECT_EQ(created.out, "LP file created.\n" + fresh + "\n") << created.err;
    EXPECT_EQ(ReadFile(fresh), game.bytes);
}

TEST(LpCli, ABadRowIsNamedAndTheLpLeftUntouched) {
    const ExportedLp game;
    std::string table = ReadFile(game.table);
    table[table.find("\r\n1,") + 2] = 'x';
    game.folder.Write("race.csv", table);
    const CliResult refused = RunCli({"lp", "import", game.table, "--into", game.lp, "--backup"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, game.table + ": 1 fault in the table; nothing written\n" + game.table +
                               ":3: column 1 (index): \"x\" is not an integer\n");
    EXPECT_EQ(ReadFile(game.lp), game.bytes);
    EXPECT_FALSE(std::filesystem::exists(game.lp + ".bak"));
}
