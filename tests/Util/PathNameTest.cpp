#include "Util/BinaryFile.h"
#include "Util/Exception.h"
#include "Util/PathName.h"
#include "Util/ReplacingFile.h"
#include "testing/TemporaryFolder.h"
#include "tests/Failures.h"
#include "tests/PathText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

using namespace Tessel::Util;

namespace {

// A path below the root of the current drive, written with '/', in the form PathName gives.
std::string Rooted(std::string path) {
    std::replace(path.begin(), path.end(), '/', PreferredSeparator);
    return ShownRoot() + path;
}

}  // namespace

TEST(PathName, SplitsAFilePath) {
    const PathName path(Rooted("games/Track/x.trk"));
    EXPECT_EQ(path.full, Rooted("games/Track/x.trk"));
    EXPECT_EQ(path.asDirectory, Rooted("games/Track/x.trk/"));
    EXPECT_EQ(path.baseName, "x");
    EXPECT_EQ(path.extension, "trk");
    EXPECT_EQ(path.directory, Rooted("games/Track/"));
    EXPECT_EQ(path.fileName, "x.trk");
    EXPECT_EQ(path.directoryAndBaseName, Rooted("games/Track/x"));
    EXPECT_FALSE(path.isRoot);
}

TEST(PathName, DotsSeparatorsAndRoot) {
    EXPECT_EQ(PathName(Rooted("a/a.b.c")).baseName, "a.b");
    EXPECT_EQ(PathName(Rooted("a/a.b.c")).extension, "c");
    EXPECT_EQ(PathName(Rooted("a/noext")).extension, "");
    EXPECT_EQ(PathName(Rooted("games/tracks/")).full, Rooted("games/tracks"));
    EXPECT_EQ(PathName(Rooted("games/tracks/")).fileName, "tracks");
    EXPECT_EQ(PathName(Rooted("games/x/../tracks")).full, Rooted("games/tracks"));

    const PathName root(Rooted(""));
    EXPECT_TRUE(root.isRoot);
    EXPECT_EQ(root.full, Rooted(""));
    EXPECT_EQ(root.fileName, Rooted(""));
    EXPECT_EQ(root.directory, "");

    const PathName empty("");
    EXPECT_EQ(empty.full, "");
    EXPECT_FALSE(empty.isRoot);
}

TEST(PathName, RelativePathsResolveAgainstTheCurrentDirectory) {
    EXPECT_EQ(PathName("x.trk").directory, ToText(std::filesystem::current_path()) + PreferredSeparator);
}

TEST(PathName, TooLongBreaksTheAssertion) {
    const std::string failure = Linewright::Testing::AssertionText([] { PathName(Rooted(std::string(300, 'a'))); });
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
    const DirectoryListing listing{PathName(ToText(folder.path))};
    ASSERT_EQ(listing.entries.size(), 2u);
    const auto tracks = std::find_if(listing.entries.begin(), listing.entries.end(),
                                     [](const DirectoryEntry& e) { return e.path.fileName == "tracks"; });
    ASSERT_NE(tracks, listing.entries.end());
    EXPECT_TRUE(tracks->isDirectory);
    EXPECT_TRUE(IsFile(ToText(folder / "a.rpy")));
    EXPECT_FALSE(IsFile(ToText(folder / "tracks")));
    EXPECT_FALSE(IsFile(ToText(folder / "missing")));
    EXPECT_TRUE(DirectoryListing(PathName(ToText(folder / "missing"))).entries.empty());
}

TEST(FindEntryNoCase, FindsANameInAnyCase) {
    TemporaryFolder folder;
    folder.Write("MONZA.DAT", "upper");
    EXPECT_EQ(FindEntryNoCase(ToText(folder.path), "MONZA.DAT"), Shown(folder / "MONZA.DAT"));
    EXPECT_EQ(ReadFile(ToPath(FindEntryNoCase(ToText(folder.path), "monza.dat").value_or(""))), "upper");
    EXPECT_EQ(FindEntryNoCase(ToText(folder.path), "spa.dat"), std::nullopt);
    EXPECT_EQ(FindEntryNoCase(ToText(folder / "missing"), "x"), std::nullopt);
}

// Names in any script pass through every call as UTF-8, whatever the system's own encoding.
TEST(PathName, NamesInAnyScriptReachTheDiskAndComeBack) {
    TemporaryFolder folder;
    const std::string zoe = ToText(folder.path / ToPath("Zoë"));
    const std::string file = zoe + PreferredSeparator + "日本.rpy";
    std::filesystem::create_directory(ToPath(zoe));
    BinaryFile::CreateNew(file)->Write(3, "old");

    const PathName path(file);
    EXPECT_EQ(path.full, file);
    EXPECT_EQ(path.baseName, "日本");
    EXPECT_EQ(path.directory, zoe + PreferredSeparator);
    const DirectoryListing listing{PathName(zoe)};
    ASSERT_EQ(listing.entries.size(), 1u);
    EXPECT_EQ(listing.entries[0].path.full, file);
    EXPECT_EQ(FindEntryNoCase(ToText(folder.path), "Zoë"), zoe);
    EXPECT_EQ(FindEntryNoCase(zoe, "日本.rpy"), file);

    ReplacingFile output(file);
    output.GetStream().Write(3, "new");
    output.Commit(true);
    EXPECT_EQ(ReadFile(ToPath(file)), "new");
    EXPECT_EQ(BinaryFile::OpenRead(file)->GetName(), file);
}
