#include "Samples/DatWriter.h"
#include "Samples/GameFolderWriter.h"
#include "testing/TemporaryFolder.h"
#include "tests/Cli/RunCli.h"

#include <gtest/gtest.h>

using namespace Linewright::Samples;
namespace fs = std::filesystem;

namespace {

// A command that must refuse to write: its status and what standard error says.
struct Refusal {
    const char* what;
    std::vector<std::string> arguments;
    int status;
    std::string message;
    int fileLimitKilobytes = 0;  // runs with files limited to this size
};

// Every output of every command goes through the same guards: an existing file is kept without
// --overwrite (status 3), a file being read is never written over, and a failed run leaves
// nothing behind. Each refusal leaves the whole folder as it was.
class OutputSafety : public ::testing::Test {
protected:
    OutputSafety() {
        const GPLFolder game = WriteGPLFolder(folder / "gpl");
        replay = game.replay.string();
        archive = (game.trackDirectory / "monza.dat").string();
        lp = (game.trackDirectory / "race.lp").string();
        RunCli({"convert", replay, "--lap", "best", "--type", "race"});
        RunCli({"lp", "export", lp, "-o", Path("race.csv")});
        fs::create_directory(folder / "loose");
        RunCli({"dat", "extract", archive, "monza.trk", "-o", Path("loose/monza.trk")});
        folder.Write("old.lp", "old bytes");
        folder.Write("lap.svg", "old drawing");
        folder.Write("n4.dat", WriteN4Dat({{"track.ptf", "the track", true}, {"art\\a.mip", "texture"}}));
        folder.Write("out/track.ptf", "kept");
        folder.Write("inner/inner.dat", WriteN4Dat({{"inner.dat", "x"}}));
        folder.Write("big.dat", WriteN4Dat({{"a.txt", "small"}, {"art\\big.mip", std::string(20000, 'b')}}));
        folder.Write("blocked/art", "a file where a folder must go");
        folder.Write("src/monza.trk", "the track");
        folder.Write("src/src.dat", "an archive made before");
        folder.Write("player/gpl/replays/practice.rpy", "the player's own lap");
        fs::create_hard_link(replay, folder / "second-name.lp");
    }
    std::string Path(const std::string& name) const { return (folder / name).string(); }
    std::vector<std::string> Convert(const std::string& output) const {
        return {"convert", replay, "--lap", "best", "--type", "race", "--output", output, "--overwrite"};
    }
    static std::string Exists(const std::string& path) {
        return path + ": File already exists - give --overwrite to replace it\n";
    }

    TemporaryFolder folder;
    std::string replay, archive, lp;
};

}  // namespace

TEST_F(OutputSafety, EveryCommandRefusesWithItsStatusAndMessage) {
    const std::string reading = "; refusing to write over it", unknownType = "Unknown LP type ../race";
    const std::vector<std::string> race = {"convert", replay, "--lap", "best", "--type", "race"};
    const auto with = [](std::vector<std::string> arguments, const std::vector<std::string>& more) {
        arguments.insert(arguments.end(), more.begin(), more.end());
        return arguments;
    };
    const std::vector<std::string> extract = {"dat", "extract", Path("n4.dat")};
    std::vector<Refusal> refusals = {
        {"an LP of the type", race, 3, Exists(lp)},
        {"a named output", with(race, {"--output", Path("old.lp")}), 3, Exists(Path("old.lp"))},
        {"the replay", Convert(replay), 1, reading},
        {"the replay, kept as a backup", with(race, {"--output", replay, "--backup"}), 1, reading},
        {"the track's archive", Convert(archive), 1, reading},
        {"another name of the replay", Convert(Path("second-name.lp")), 1, reading},
        {"a loose track", with(Convert(Path("loose/../loose/monza.trk")), {"--track", Path("loose/monza.trk")}), 1,
         reading},
        {"a type that names another folder", {"convert", replay, "--lap", "best", "--type", "../race"}, 1, unknownType},
        {"a drawing", {"plot", replay, "--lap", "best", "-o", Path("lap.svg")}, 3, Exists(Path("lap.svg"))},
        {"a drawing of a type that names another folder",
         {"plot", replay, "--lap", "best", "--type", "../race", "-o", Path("new.svg")}, 1, unknownType},
        {"an imported LP", {"lp", "import", Path("race.csv"), "--into", lp}, 3, Exists(lp)},
        {"an extracted member", with(extract, {"track.ptf", "-o", Path("out/track.ptf")}), 3,
         Exists(Path("out/track.ptf"))},
        {"every extracted member", with(extract, {"--all", "-C", Path("out")}), 3, "track.ptf: File already exists"},
        {"the archive being read", with(extract, {"track.ptf", "-o", Path("n4.dat"), "--overwrite"}), 1, reading},
        {"a member over its archive",
         {"dat", "extract", Path("inner/inner.dat"), "--all", "-C", Path("inner"), "--overwrite"}, 1, reading},
        {"a file where a folder must go",
         {"dat", "extract", Path("big.dat"), "--all", "-C", Path("blocked"), "--overwrite"}, 1, "Couldn't open " + Path("blocked")},
        {"a made archive", {"dat", "create", "icr2", Path("src")}, 3, "src.dat: File already exists"},
        {"the player's sample", {"sample", Path("player")}, 3, Exists(Path("player/gpl/replays/practice.rpy"))},
    };
    if (FileSizeLimits) {
        refusals.push_back({"a write that fails", Convert(lp), 1, "Couldn't write to " + lp + "\nFile too large\n", 8});
        refusals.push_back({"an extraction that fails", {"dat", "extract", Path("big.dat"), "--all", "-C", Path("new")},
                            1, "Couldn't write to " + Path("new/art/big.mip") + "\nFile too large\n", 8});
    }
    // Links where the system makes them: one that leads nowhere is a file; one to the replay is it.
    if (TryCreateSymlink(folder / "gone/race.lp", folder / "nowhere.lp")) {
        TryCreateSymlink(replay, folder / "replay.lp");
        fs::create_directories(folder / "dangling");
        TryCreateSymlink(folder / "gone/track.ptf", folder / "dangling/track.ptf");
        fs::create_directory(folder / "linked");
        TryCreateSymlink(folder / "src", folder / "linked/art", true);
        refusals.push_back({"a link to nowhere", with(race, {"--output", Path("nowhere.lp")}), 3, Exists(Path("nowhere.lp"))});
        refusals.push_back({"a member at a link to nowhere", with(extract, {"track.ptf", "-o", Path("nowhere.lp")}), 3,
                            Exists(Path("nowhere.lp"))});
        refusals.push_back({"members beside a link to nowhere", with(extract, {"--all", "-C", Path("dangling")}), 3,
                            "track.ptf: File already exists"});
        refusals.push_back({"a link to the replay", Convert(Path("replay.lp")), 1, reading});
        refusals.push_back({"a folder that leads out of the target", with(extract, {"--all", "-C", Path("linked")}), 1,
                            "refusing to write through a link out of the target folder"});
    }
    const auto before = FolderTree(folder.path);
    for (const Refusal& refusal : refusals) {
        const CliResult result = refusal.fileLimitKilobytes
                                     ? RunCliWithFileLimit(refusal.arguments, refusal.fileLimitKilobytes)
                                     : RunCli(refusal.arguments);
        EXPECT_EQ(result.status, refusal.status) << refusal.what;
        EXPECT_NE(result.err.find(refusal.message), std::string::npos) << refusal.what << ": " << result.err;
        EXPECT_EQ(FolderTree(folder.path), before) << refusal.what;
    }
}
