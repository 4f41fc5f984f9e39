#include "Util/BinaryFile.h"
#include "Util/Exception.h"
#include "Util/PathName.h"
#include "Util/ReplacingFile.h"
#include "testing/TemporaryFolder.h"

#include <gtest/gtest.h>

// What only POSIX systems have: symbolic links as every user makes them, case-sensitive names
// and /proc. (Writes that fail for want of room: OutputSafetyCliTest, which runs the program with
// its files limited in size.)
using namespace Tessel::Util;
namespace fs = std::filesystem;

TEST(ReplacingFile, ALinkAtTheTargetCountsAsAFileAndIsReplacedItself) {
    TemporaryFolder folder;
    const fs::path link = folder / "race.lp";
    fs::create_symlink(folder / "elsewhere/old.lp", link);  // leads nowhere
    EXPECT_TRUE(ReplacingFile::TargetExists(link));
    EXPECT_THROW(ReplacingFile::CheckTarget(link, false), XFileExists);
    {
        ReplacingFile output(link);
        output.GetStream().Write(3, "new");
        EXPECT_THROW(output.Commit(false), XFileExists);
    }
    EXPECT_TRUE(fs::is_symlink(link));
    ReplacingFile output(link);
    output.GetStream().Write(3, "new");
    output.Commit(true);
    EXPECT_FALSE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(link), "new");
    EXPECT_FALSE(fs::exists(folder / "elsewhere"));
    // A folder is no file to replace.
    fs::create_directory(folder / "tracks");
    EXPECT_FALSE(ReplacingFile::TargetExists(folder / "tracks"));
    EXPECT_THROW(ReplacingFile(folder / "tracks"), XFileOpen);
}

TEST(ReplacingFile, NeverReplacesAFileThisProcessReadThroughALink) {
    TemporaryFolder folder;
    const auto input = folder.Write("lap.rpy", "replay");
    BinaryFile::OpenRead(input);
    fs::create_symlink(input, folder / "link.lp");
    EXPECT_THROW(ReplacingFile::CheckTarget(folder / "link.lp", true), XUsage);
    ReplacingFile output(folder / "link.lp");
    output.GetStream().Write(3, "new");
    EXPECT_THROW(output.Commit(true), XUsage);
    EXPECT_TRUE(fs::is_symlink(folder / "link.lp"));
    EXPECT_EQ(ReadFile(input), "replay");
}

TEST(DirectoryListing, ClosesItsHandleWhenAnEntryBreaksAnAssertion) {
    TemporaryFolder folder;
    folder.Write(std::string(251, 'n'), "a name too long for a path below the folder");
    const auto openHandles = [] { return std::distance(fs::directory_iterator("/proc/self/fd"), {}); };
    const auto before = openHandles();
    EXPECT_THROW(DirectoryListing{PathName(folder.path)}, XAssertion);
    EXPECT_EQ(openHandles(), before);
}

// Names that differ only in case are different files here.
TEST(FindEntryNoCase, ExactNameFirstThenAnyCase) {
    TemporaryFolder folder;
    folder.Write("MONZA.DAT", "upper");
    EXPECT_EQ(FindEntryNoCase(folder.path, "monza.dat"), (folder / "MONZA.DAT").string());
    folder.Write("Monza.dat", "mixed");
    EXPECT_EQ(FindEntryNoCase(folder.path, "monza.dat"), (folder / "MONZA.DAT").string());
    folder.Write("monza.dat", "exact");
    EXPECT_EQ(FindEntryNoCase(folder.path, "monza.dat"), (folder / "monza.dat").string());
}
