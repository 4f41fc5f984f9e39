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

// An N4 LP is known by its header and size wherever it lies.
TEST(N4Cli, InfoDescribesLooseLpsAndObjectFiles) {
    const TemporaryFolder folder;
    const auto lp = folder.Write("loose/x.lp", WriteN4Lp(MakeN4LpRecords(4)));
    EXPECT_EQ(RunCli({"info", lp.string()}).out, "format: N4 lp\nrecords: 4\nspacing_m: 3.000000\n");
    const ArchiveRef tree = SampleTdoTree();
    EXPECT_EQ(RunCli({"info", folder.Write("car.3do", WriteArchive(tree)).string()}).out, "format: N4 3do\nobjects: 9\n");
    // One whose appearance names texture coordinates.
    FindObject(tree, "AppearanceDescriptor")->SetRef("texture", PtfTextureCoords(4, true), 1);
    const CliResult info = RunCli({"info", folder.Write("coords.3do", WriteArchive(tree)).string()});
    EXPECT_EQ(info.out, "format: N4 3do\nobjects: 10\n") << info.err;
}
