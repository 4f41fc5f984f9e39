#include "testing/TemporaryFolder.h"
#include "tests/Cli/RunCli.h"

#include <gtest/gtest.h>

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
    const auto missing = RunCli({"info", "/nonexistent/file.rpy"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Couldn't open /nonexistent/file.rpy\nNo such file or directory\n");
    EXPECT_EQ(missing.out, "");
    // Every describer reads the one open file and says no.
    const TemporaryFolder folder;
    const std::string text = folder.Write("notes.txt", "words that no describer takes").string();
    EXPECT_EQ(RunCli({"info", text}).err, text + ": not a file of a known kind\n");
}
