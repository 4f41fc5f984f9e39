#include "tests/Cli/RunCli.h"

#include "Samples/GameFolderWriter.h"
#include "Samples/ICR2TrkWriter.h"
#include "testing/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

using namespace Linewright::Samples;

TEST(N2Cli, InfoDescribesEachN2Kind) {
    const TemporaryFolder folder;
    const N2Folder game = WriteN2Folder(folder.path);
    const CliResult replay = RunCli({"info", game.replay.string()});
    EXPECT_EQ(replay.out, "format: N3 rpl\nframes: 1800\ndrivers: 3\nlap_tables: 1\nframe_interval_s: 0.066667\n")
        << replay.err;

    const auto track = folder.Write("loose/indy.trk", WriteICR2Trk(SampleICR2TrkShape()));
    const CliResult trk = RunCli({"info", track.string(), "--point=0,0"});
    EXPECT_EQ(trk.status, 0) << trk.err;
    EXPECT_EQ(trk.out.substr(0, trk.out.find("length_m")), "format: ICR2 trk\nsections: 6\n");
    // The loop starts at (-150, -100) (to the track unit) heading east, on the road (surface kind 1).
    EXPECT_TRUE(std::regex_search(trk.out, std::regex("\npoint: -150\\.0000[0-9]+ -100\\.0000[0-9]+ 0\\.000000 "
                                                      "0\\.000000 0\\.000000 0\\.000000 1\n")))
        << trk.out;

    // An LP converted beside a track named otherwise than its folder, and the same bytes loose:
    // recognised by count and size.
    const CliResult converted =
        RunCli({"convert", game.replay.string(), "--lap", "best", "--type", "spot1", "--track", track.string()});
    ASSERT_EQ(converted.status, 0) << converted.err;
    const auto lp = folder / "loose/spot1.lp";
    const auto loose = folder.Write("elsewhere/line.lp", ReadFile(lp));
    for (const auto& path : {lp, loose}) {
        const CliResult info = RunCli({"info", path.string(), "--records"});
        EXPECT_EQ(info.status, 0) << info.err;
        EXPECT_EQ(info.out.substr(0, info.out.find("records:")), "format: ICR2 lp\n") << path;
        EXPECT_NE(info.out.find("\nspacing_m: 3.329229\n0\t3.3292288\t"), std::string::npos) << info.out;
        EXPECT_EQ(std::count(info.out.begin(), info.out.end(), '\n'), 3 + 369);  // a line for each record
    }
}
