#include "Util/Exception.h"
#include "Util/PathName.h"
#include "testing/TemporaryFolder.h"
#include "tests/Failures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

using namespace Tessel::Util;

TEST(PathName, SplitsAFilePath) {
    const PathName path("/games/Track/x.trk");
    EXPECT_EQ(path.full, "/games/Track/x.trk");
    EXPECT_EQ(path.asDirectory, "/games/Track/x.trk/");
    EXPECT_EQ(path.baseName, "x");
    EXPECT_EQ(path.extension, "trk");
    EXPECT_EQ(path.directory, "/games/Track/");
    EXPECT_EQ(path.fileName, "x.trk");
    EXPECT_EQ(path.directoryAndBaseName, "/games/Track/x");
    EXPECT_FALSE(path.isRoot);
}

TEST(PathName, DotsSeparatorsAndRoot) {
    EXPECT_EQ(PathName("/a/a.b.c").baseName, "a.b");
    EXPECT_EQ(PathName("/a/a.b.c").extension, "c");
    EXPECT_EQ(PathName("/a/noext").extension, "");
    EXPECT_EQ(PathName("/games/tracks/").full, "/games/tracks");
    EXPECT_EQ(PathName("/games/tracks/").fileName, "tracks");
    EXPECT_EQ(PathName("/games/x/../tracks").full, "/games/tracks");

    const PathName root("/");
    EXPECT_TRUE(root.isRoot);
    EXPECT_EQ(root.full, "/");
    EXPECT_EQ(root.fileName, "/");
    EXPECT_EQ(root.directory, "");

    const PathName empty("");
    EXPECT_EQ(empty.full, "");
    EXPECT_FALSE(empty.isRoot);
}

TEST(PathName, RelativePathsResolveAgainstTheCurrentDirectory) {
    EXPECT_EQ(PathName("x.trk").directory, std::filesystem::current_path().string() + "/");
}

TEST(PathName, TooLongBreaksTheAssertion) {
    const std::string failure = Linewright::Testing::AssertionText([] { PathName("/" + std::string(300, 'a')); });
    EXPECT_NE(failure.find("\nresult < sizeof(buf)\n"), std::string::npos);
    EXPECT_NE(failure.find("Util/PathName.cpp"), std::string::npos);
}

TEST(CaseInsensitive, ToLowerAndCompare) {
    EXPECT_EQ(ToLower("MonZa.TRK"), "monza.trk");
    EXPECT_LT(CompareNoCase("abc", "ABCD"), 0);
    EXPECT_GT(CompareNoCase("abcd", "ABC"), 0);
    EXPECT_EQ(CompareNoCase("Trk", "tRK"), 0);
    EXPECT_EQ(CompareNoCase("a", "c"), -2);
    const std::array<const char*, 2> extensions = {"trk", "dat"};
    EXPECT_TRUE(EqualsOneOfNoCase("DAT", extensions));
    EXPECT_FALSE(EqualsOneOfNoCase("da", extensions));
}

TEST(DirectoryListing, ListsFilesAndFolders) {
    TemporaryFolder folder;
    folder.Write("a.rpy", "x");
    std::filesystem::create_directory(folder / "tracks");
    const DirectoryListing listing{PathName(folder.path)};
    ASSERT_EQ(listing.entries.size(), 2u);
    const auto tracks = std::find_if(listing.entries.begin(), listing.entries.end(),
                                     [](const DirectoryEntry& e) { return e.path.fileName == "tracks"; });
    ASSERT_NE(tracks, listing.entries.end());
    EXPECT_TRUE(tracks->isDirectory);
    EXPECT_TRUE(IsFile(folder / "a.rpy"));
    EXPECT_FALSE(IsFile(folder / "tracks"));
    EXPECT_FALSE(IsFile(folder / "missing"));
    EXPECT_TRUE(DirectoryListing(PathName(folder / "missing")).entries.empty());
}

TEST(DirectoryListing, ClosesItsHandleWhenAnEntryBreaksAnAssertion) {
    TemporaryFolder folder;
    folder.Write(std::string(251, 'n'), "a name too long for a path below the folder");
    const auto openHandles = [] { return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}); };
    const auto before = openHandles();
    EXPECT_THROW(DirectoryListing{PathName(folder.path)}, XAssertion);
    EXPECT_EQ(openHandles(), before);
}

TEST(FindEntryNoCase, ExactNameFirstThenAnyCase) {
    TemporaryFolder folder;
    folder.Write("MONZA.DAT", "upper");
    EXPECT_EQ(FindEntryNoCase(folder.path, "monza.dat"), (folder / "MONZA.DAT").string());
    folder.Write("Monza.dat", "mixed");
    EXPECT_EQ(FindEntryNoCase(folder.path, "monza.dat"), (folder / "MONZA.DAT").string());
    folder.Write("monza.dat", "exact");
    EXPECT_EQ(FindEntryNoCase(folder.path, "monza.dat"), (folder / "monza.dat").string());
    EXPECT_EQ(FindEntryNoCase(folder.path, "spa.dat"), std::nullopt);
    EXPECT_EQ(FindEntryNoCase(folder / "missing", "x"), std::nullopt);
}
