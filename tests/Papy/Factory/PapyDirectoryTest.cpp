#include "Papy/Factory/PapyDirectory.h"
#include "Util/Exception.h"
#include "Util/PathName.h"
#include "testing/TemporaryFolder.h"
#include "tests/Failures.h"
#include "tests/PathText.h"

#include <gtest/gtest.h>

using namespace Tessel::Papy;
using Linewright::Testing::BrokenCheck;
using Tessel::Util::XUsage;

namespace {

class PapyDirectoryTest : public ::testing::Test {
protected:
    PapyDirectoryTest() {
        folder.Write("game/replays/lap.rpy", "x");
        std::filesystem::create_directories(folder / "game/tracks/monza");
    }
    std::string Path(const std::string& name) const { return Shown(folder / name); }

    TemporaryFolder folder;
};

}  // namespace

TEST_F(PapyDirectoryTest, ExistingDirectoryWithOrWithoutSeparator) {
    for (const std::string& path : {Path("game/replays"), Path("game/replays/")}) {
        const PapyDirectory directory(path);
        EXPECT_FALSE(directory.IsRoot());
        EXPECT_EQ(directory.GetName(), "replays");
        EXPECT_EQ(directory.GetPath(), Path("game/replays/"));
        EXPECT_EQ(directory.GetParentPath(), Path("game/"));
    }
}

TEST_F(PapyDirectoryTest, FilesExistingOrNotGiveTheirDirectory) {
    EXPECT_EQ(PapyDirectory(Path("game/replays/lap.rpy")).GetPath(), Path("game/replays/"));
    EXPECT_EQ(PapyDirectory(Path("game/replays/new.rpy")).GetPath(), Path("game/replays/"));
    EXPECT_EQ(PapyDirectory(Path("game/tracks/../replays/lap.rpy")).GetName(), "replays");
}

TEST_F(PapyDirectoryTest, MissingDirectoriesUpToTwoLevels) {
    const PapyDirectory oneLevel(Path("game/tracks/spa"));
    EXPECT_EQ(oneLevel.GetName(), "spa");
    EXPECT_EQ(oneLevel.GetPath(), Path("game/tracks/spa/"));
    EXPECT_EQ(oneLevel.GetParentPath(), Path("game/tracks/"));

    // Two missing levels stand for the missing middle directory.
    const PapyDirectory twoLevels(Path("game/circuits/spa"));
    EXPECT_EQ(twoLevels.GetName(), "circuits");
    EXPECT_EQ(twoLevels.GetPath(), Path("game/circuits/"));

    EXPECT_EQ(BrokenCheck([&] { PapyDirectory(Path("game/a/b/c")); }), "attributes != 0xFFFFFFFF");
}

TEST_F(PapyDirectoryTest, NothingLiesBelowAFile) {
    EXPECT_EQ(BrokenCheck([&] { PapyDirectory(Path("game/replays/lap.rpy/x")); }),
              "attributes != 0xFFFFFFFF && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0");
}

TEST_F(PapyDirectoryTest, RootAndOverlongPaths) {
    const PapyDirectory root(ShownRoot());
    EXPECT_TRUE(root.IsRoot());
    EXPECT_EQ(root.GetName(), ShownRoot());
    EXPECT_EQ(root.GetPath(), ShownRoot());
    EXPECT_EQ(BrokenCheck([&] { root.GetParentPath(); }), "!Root");

    EXPECT_EQ(BrokenCheck([&] { PapyDirectory(Path(std::string(300, 'a'))); }),
              "result != 0 && result < sizeof(buf)");
}

TEST_F(PapyDirectoryTest, TrackDirectoryBesideTheReplaysFoundWithoutRegardToCase) {
    const PapyDirectory game(Path("game/replays"));
    EXPECT_EQ(GetTrackDirectoryPath(game, "monza"), Path("game/tracks/monza"));
    EXPECT_EQ(GetTrackDirectoryPath(game, "spa"), Path("game/tracks/spa"));
    std::filesystem::create_directories(folder / "upper/REPLAYS");
    std::filesystem::create_directories(folder / "upper/TRACKS/MONZA");
    const PapyDirectory replays(Path("upper/REPLAYS"));
    // The folders' own spelling where names differ in case; Windows may keep the one asked for.
    const std::string monza = GetTrackDirectoryPath(replays, "monza");
    EXPECT_EQ(Tessel::Util::ToLower(monza), Tessel::Util::ToLower(Path("upper/TRACKS/MONZA")));
    EXPECT_TRUE(Tessel::Util::IsFolder(monza));
    const std::string spa = GetTrackDirectoryPath(replays, "spa");
    EXPECT_EQ(Tessel::Util::ToLower(spa), Tessel::Util::ToLower(Path("upper/TRACKS/spa")));
    EXPECT_TRUE(Tessel::Util::IsFolder(Tessel::Util::PathName(spa).directory));
}

TEST_F(PapyDirectoryTest, TrackNamesThatLeadElsewhereAreRefused) {
    const PapyDirectory replays(Path("game/replays"));
    for (const std::string& name : std::vector<std::string>{"", ".", "..", "../../etc", "a/b", "a\\b"})
        EXPECT_THROW(GetTrackDirectoryPath(replays, name), XUsage) << name;
}
