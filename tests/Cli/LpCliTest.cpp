#include "testing/LapFiles.h"
#include "testing/TemporaryFolder.h"
#include "tests/Cli/RunCli.h"

#include <gtest/gtest.h>

#include <numbers>

using namespace Linewright::Testing;

namespace {

// The race.lp converted from the best lap of a loop track, its table exported beside it.
struct ExportedLp {
    ExportedLp() {
        track = folder.Write("tracks/loop/loop.trk", files.track).string();
        const std::string replay = folder.Write("replays/lap.rpy", files.replay).string();
        RunCli({"convert", replay, "--lap", "best", "--type", "race", "--track", track});
        bytes = ReadFile(lp);
        exported = RunCli({"lp", "export", lp, "-o", table});
    }

    const GPLLapFiles files = MakeGPLLapFiles(1000.0, 800.0 / std::numbers::pi, 50.0, 0.5, 90.0);
    TemporaryFolder folder;
    std::string track;
    const std::string lp = (folder / "tracks/loop/race.lp").string();
    const std::string table = (folder / "race.csv").string();
    std::string bytes;
    CliResult exported;
};

}  // namespace

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
    table.replace(table.find("\r\n1,") + 2, 1, "x");
    game.folder.Write("race.csv", table);
    const CliResult refused = RunCli({"lp", "import", game.table, "--into", game.lp, "--backup"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, game.table + ": 1 fault in the table; nothing written\n" + game.table +
                               ":3: column 1 (index): \"x\" is not an integer\n");
    EXPECT_EQ(ReadFile(game.lp), game.bytes);
    EXPECT_FALSE(std::filesystem::exists(game.lp + ".bak"));
}
