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
