#include "Util/Exception.h"
#include "Util/PathName.h"
#include "testing/TemporaryFolder.h"

#include <gtest/gtest.h>

// What only POSIX systems have: case-sensitive names and /proc. (Links at an output, which every
// user makes here: ConvertCliTest and OutputSafetyCliTest; writes that fail for want of room:
// OutputSafetyCliTest, which runs the program with its files limited in size.)
using namespace Tessel::Util;
namespace fs = std::filesystem;

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
