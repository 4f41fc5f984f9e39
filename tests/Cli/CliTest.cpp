#include "Samples/RpyWriter.h"
#include "Util/PathName.h"
#include "testing/TemporaryFolder.h"
#include "tests/Cli/RunCli.h"

#include <gtest/gtest.h>

using namespace Linewright::Samples;

TEST(Cli, VersionHelpAndUsage) {
    const auto version = RunCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "1.2.1.1\n");
    EXPECT_EQ(RunCli({"--help"}).status, 0);
    EXPECT_EQ(RunCli({}).status, 2);
    EXPECT_EQ(RunCli({"frobnicate"}).status, 2);
    EXPECT_EQ(RunCli({"info"}).status, 2);
}

TEST(Cli, FailureTextGoesToStandardError) {
    // A path from the root: on Windows, from the current drive's.
    const auto missing = RunCli({"info", "/nonexistent/file.rpy"});
    EXPECT_EQ(missing.status, 1);
    const std::string absolute = Tessel::Util::MakeAbsolutePath("/nonexistent/file.rpy").value();
    EXPECT_EQ(missing.err, "Couldn't open " + absolute + "\n" + MissingFileReason() + "\n");
    EXPECT_EQ(missing.out, "");
}

TEST(Cli, LapsOfAReplayWithoutItsTrack) {
    const TemporaryFolder folder;
    const auto path = folder.Write("replays/lap.rpy", WriteRpy(ExampleRpyScript(2))).string();
    const auto result = RunCli({"laps", path});
    // The laps are listed; the LP types and record count need the track, whose folder is missing.
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "The track folder " + (folder / "tracks/monza").string() + " was not found\n");
    EXPECT_EQ(result.out,
              "# track: monza\n"
              "# player: Jim Clark\n"
              "0\t0\t1\tGraham Hill\t0m 18.182s\n"
              "0\t0\t2\tGraham Hill\t0m 18.182s\n"
              "0\t1\t1\tJim Clark\t0m 20.833s\n"
              "0\t1\t2\tJim Clark\t0m 20.833s\n"
              "0\t3\t1\tDan Gurney\t0m 19.231s\n"
              "0\t3\t3\tDan Gurney\t0m 19.230s\n");
}

TEST(Cli, InfoOfReplays) {
    const TemporaryFolder folder;
    const std::pair<std::uint32_t, const char*> games[] = {{2, "GPL"}, {4, "N4"}, {5, "N2003"}};
    for (const auto& [version, game] : games) {
        const auto path = folder.Write("r.rpy", WriteRpy(ExampleRpyScript(version))).string();
        const auto result = RunCli({"info", path});
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out, std::string("format: ") + game +
                                  " rpy\nframes: 2160\ndrivers: 4\nlap_tables: 1\nframe_interval_s: 0.027778\n");
    }
}
