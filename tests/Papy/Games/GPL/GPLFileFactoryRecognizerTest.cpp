#include "Papy/Archives/DatFile.h"
#include "Papy/Factory/CreateDat.h"
#include "Papy/Factory/CreateLp.h"
#include "Papy/Factory/GetDat.h"
#include "Papy/Factory/GetDirectory.h"
#include "Papy/Factory/MakeLp.h"
#include "Papy/Factory/MakeRpy.h"
#include "Papy/Factory/MakeTrack.h"
#include "Papy/Factory/MakeTrk.h"
#include "Papy/Games/GPL/GPLFileFactoryRecognizer.h"
#include "Papy/Lp/LpFile.h"
#include "Papy/Replays/RpyFile.h"
#include "Papy/Tracks/Track.h"
#include "Papy/Tracks/Trk/TrkFile.h"
#include "Samples/DatWriter.h"
#include "Samples/GPLTrkWriter.h"
#include "Samples/RpyWriter.h"
#include "Util/Exception.h"
#include "tests/Failures.h"
#include "testing/TemporaryFolder.h"
#include "tests/Papy/Games/RecognizerTest.h"
#include "tests/PathText.h"

#include <gtest/gtest.h>

using namespace Tessel::Papy;
using namespace Tessel::Util;
using namespace Linewright::Samples;

namespace {

std::string Replay(std::uint32_t version) { return WriteRpy(ExampleRpyScript(version)); }

class GPLRecognizerTest : public RecognizerTest<GPLFileFactoryRecognizer> {
protected:
    const std::string track = WriteGPLTrk(SampleTrkShape());
};

}  // namespace

TEST_F(GPLRecognizerTest, ArchivesByTheirFirstBytesAndFirstObjectOrLayoutMember) {
    EXPECT_TRUE(recognizer.IsDefault());
    EXPECT_TRUE(recognizer.IsDat(Write("a.dat", WriteICR2Dat({{"a.trk", track, false}}))));
    EXPECT_FALSE(recognizer.IsGameDat(Write("a.dat", WriteICR2Dat({{"a.trk", track, false}}))));
    EXPECT_FALSE(recognizer.IsDat(Write("short.dat", "\x01")));
    EXPECT_FALSE(recognizer.IsDat(Write("zero.dat", std::string("\0\0\5\0", 4))));
    EXPECT_FALSE(recognizer.IsDat(Shown(folder / "missing.dat")));
    EXPECT_FALSE(recognizer.IsDat(Shown(folder.path)));

    EXPECT_TRUE(recognizer.IsGameDat(Write("b.dat", WriteICR2Dat({{"a.trk", track}, {"A.3DO", object4}, {"b.3do", object3}}))));
    EXPECT_FALSE(recognizer.IsGameDat(Write("c.dat", WriteICR2Dat({{"a.3do", object3}, {"b.3do", object4}}))));
    EXPECT_TRUE(recognizer.IsGameDat(Write("d.dat", WriteICR2Dat({{"t.lyt", Words({6, 809})}, {"b.3do", object3}}))));
    EXPECT_FALSE(recognizer.IsGameDat(Write("e.dat", WriteICR2Dat({{"t.lyt", Words({6, 808})}}))));
    EXPECT_FALSE(recognizer.IsGameDat(Write("f.dat", WriteICR2Dat({{"a.3do", "4O"}}))));  // too short
}

TEST_F(GPLRecognizerTest, DirectoriesByTheirFirstMatchingFile) {
    std::filesystem::create_directories(folder / "empty/sub.trk");
    ExpectGameDirectories({
        {"objects", {{"x.3do", object3}, {"t.trk", track}}, false},  // the object file decides alone
        {"track", {{"T.TRK", track}}, true},
        {"icr2", {{"t.trk", Words({0x5452414b, 1})}}, false},
        {"gpl", {{"lap.rpy", Replay(2)}}, true},
        {"n4", {{"lap.rpy", Replay(3)}}, false},
        {"short", {{"lap.rpy", "YLPR"}}, false},
        {"empty", {}, false},
        // The directory's own archive is asked first.
        {"monza", {{"monza.dat", WriteICR2Dat({{"monza.3do", object4}})}, {"lap.rpy", Replay(3)}}, true},
    });
}

TEST_F(GPLRecognizerTest, TrackFilesLooseBeforeArchivedAndArchiveOnly) {
    const TrkShape small = [] {
        TrkShape shape;
        shape.pieces = {TrkPiece::Straight(300.0), TrkPiece::Arc(100.0, std::numbers::pi),
                        TrkPiece::Straight(300.0), TrkPiece::Arc(100.0, std::numbers::pi)};
        return shape;
    }();
    Write("monza/MONZA.DAT", WriteICR2Dat({{"MONZA.TRK", track}, {"monza.3do", object4}}));
    const auto archived = Factory("monza")->GetFacet<MakeTrack>()->Make("", "", false);
    EXPECT_NEAR(archived->GetLength(), SampleTrkShape().Get2DLength(), 0.1);

    Write("monza/Monza.trk", WriteGPLTrk(small));
    const auto factory = Factory("monza");
    const auto makeTrk = factory->GetFacet<MakeTrk>();
    const auto loose = makeTrk->Make("", "", false);
    EXPECT_EQ(makeTrk->Make("MONZA", "TRK", false), loose);
    EXPECT_NE(makeTrk->Make("", "", true), loose);  // the archive's, never kept
    EXPECT_EQ(makeTrk->Make("", "", false), loose);
    EXPECT_NEAR(factory->GetFacet<MakeTrack>()->Make("", "", false)->GetLength(), small.Get2DLength(), 0.1);
    EXPECT_NEAR(factory->GetFacet<MakeTrack>()->Make("", "", true)->GetLength(), SampleTrkShape().Get2DLength(), 0.1);

    try {
        makeTrk->Make("spa", "", false);
        FAIL();
    } catch (const XFileOpen& error) {
        EXPECT_EQ(error.GetPath(), Shown(folder / "monza/spa.trk"));
        EXPECT_EQ(error.GetReason(), "File not found");
    }
}

TEST_F(GPLRecognizerTest, ArchiveCanBeReplacedAndCreated) {
    Write("spa/spa.dat", WriteICR2Dat({{"spa.trk", track}}));
    const auto factory = Factory("spa");
    const auto getDat = factory->GetFacet<GetDat>();
    const std::weak_ptr<DatFile> old = getDat->Get();
    ASSERT_FALSE(old.expired());
    getDat->Set(nullptr);
    EXPECT_TRUE(old.expired());
    EXPECT_THROW(factory->GetFacet<MakeTrk>()->Make("", "", false), XFileOpen);

    // The new archive is named after the directory, inside it; an existing one is kept.
    EXPECT_THROW(factory->GetFacet<CreateDat>()->Create(), XFileOpen);
    std::filesystem::create_directories(folder / "new");
    const auto created = Factory("new")->GetFacet<CreateDat>()->Create();
    EXPECT_EQ(created->GetPathName().full, Shown(folder / "new/new.dat"));
}

TEST_F(GPLRecognizerTest, NewLpsAreKeptUnderTheirTypeName) {
    Write("monza/monza.trk", track);
    const auto factory = Factory("monza");
    const auto lp = factory->GetFacet<CreateLp>()->Create("Race", 0.0);
    EXPECT_EQ(lp->GetRecordCount(), 533u);
    EXPECT_EQ(factory->GetFacet<MakeLp>()->Make("race", ""), lp);
    EXPECT_EQ(Linewright::Testing::UsageText([&] { factory->GetFacet<MakeLp>()->Make("pit", ""); }),
              Shown(folder / "monza/pit.lp") + ": file not found");
}

// Names, their case and missing files are the loose-file maker's (FileFactoryTest).
TEST_F(GPLRecognizerTest, RepliesByBaseNameWithTheDefaultExtension) {
    Write("replays/Lap.RPY", Replay(2));
    EXPECT_EQ(Factory("replays")->GetFacet<MakeRpy>()->Make("lap", "")->GetTrackName(), "monza");
}
