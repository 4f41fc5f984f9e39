#include "Papy/Archives/DatFile.h"
#include "Papy/Factory/CreateDat.h"
#include "Papy/Factory/CreateLp.h"
#include "Papy/Factory/GetDirectory.h"
#include "Papy/Factory/MakeLp.h"
#include "Papy/Factory/MakePtf.h"
#include "Papy/Factory/MakeTrack.h"
#include "Papy/Games/N4/N4FileFactoryRecognizer.h"
#include "Papy/Lp/LpFile.h"
#include "Papy/Replays/RpyFile.h"
#include "Papy/Tracks/Track.h"
#include "Samples/DatWriter.h"
#include "Samples/N4NodeWriters.h"
#include "Samples/RpyWriter.h"
#include "testing/N4LpWriter.h"
#include "testing/TemporaryFolder.h"
#include "tests/Failures.h"
#include "tests/Papy/Games/RecognizerTest.h"
#include "tests/PathText.h"

#include <gtest/gtest.h>

#include <numbers>

using namespace Tessel::Papy;
using namespace Linewright::Samples;
using namespace Linewright::Testing;

namespace {

class N4RecognizerTest : public RecognizerTest<N4FileFactoryRecognizer> {
protected:
    const std::string ptf = WritePtf(SamplePtfShape());
    const double lapLength = 600.0 + 100.0 * std::numbers::pi;
};

}  // namespace

TEST_F(N4RecognizerTest, ArchivesByTheirHeader) {
    EXPECT_FALSE(recognizer.IsDefault());
    const std::string n4 = Write("a.dat", WriteN4Dat({{"a.ptf", ptf, true}}));
    EXPECT_TRUE(recognizer.IsDat(n4));
    EXPECT_TRUE(recognizer.IsGameDat(n4));
    EXPECT_FALSE(recognizer.IsDat(Write("icr2.dat", WriteICR2Dat({{"a.trk", "x"}}))));
    EXPECT_FALSE(recognizer.IsGameDat(Write("short.dat", "\xff\xff")));
    EXPECT_FALSE(recognizer.IsDat(Shown(folder / "missing.dat")));
    EXPECT_FALSE(recognizer.IsDat(Shown(folder.path)));
}

TEST_F(N4RecognizerTest, DirectoriesByTheirFirstMatchingFile) {
    const auto replay = [](std::uint32_t version) { return WriteRpy(ExampleRpyScript(version)); };
    ExpectGameDirectories({
        {"v2", {{"a.rpy", replay(2)}}, false},
        {"v3", {{"a.rpy", replay(3)}}, true},
        {"v4", {{"a.rpy", replay(4)}}, true},
        {"v5", {{"a.rpy", replay(5)}}, true},
        // A ptf file is the game's whatever it holds; a 3do file is looked at first.
        {"ptf", {{"x.ptf", "anything"}}, true},
        {"objects", {{"car.3do", Words({1, 2})}, {"x.ptf", ptf}}, true},
        {"gplobjects", {{"car.3do", object4}, {"x.ptf", ptf}}, false},
        {"track", {{"track.dat", WriteN4Dat({{"track.ptf", ptf, true}})}}, true},
        {"empty", {}, false},
    });
}

TEST_F(N4RecognizerTest, FactoryMakesTheGamesFiles) {
    Write("track/track.dat", WriteN4Dat({{"track.ptf", ptf, true}}));
    const auto factory = Factory("track");
    const auto makeLp = factory->GetFacet<MakeLp>();

    // The PTF file comes imploded out of the archive.
    const auto track = factory->GetFacet<MakeTrack>()->Make("", "", false);
    EXPECT_NEAR(track->Get2DLength(), lapLength, 1e-6);
    EXPECT_EQ(factory->GetFacet<MakeTrack>()->Make("", "", false), track);
    EXPECT_NE(factory->GetFacet<MakePtf>()->Make("", "", true), nullptr);

    // New LPs: one record per whole 3 m, kept for the LP maker.
    const auto lp = factory->GetFacet<CreateLp>()->Create("Race", 0.0);
    EXPECT_EQ(lp->GetRecordCount(), 305u);
    EXPECT_EQ(makeLp->Make("race", ""), lp);

    Write("track/old.lp", WriteN4Lp(MakeN4LpRecords(7)));
    EXPECT_EQ(makeLp->Make("old", "")->GetRecordCount(), 7u);
    EXPECT_EQ(UsageText([&] { makeLp->Make("none", ""); }),
              factory->GetFacet<GetDirectory>()->Get().GetPath() + "none.lp: file not found");
}

// How a missing track file fails is the shared maker's (GPLRecognizerTest).
TEST_F(N4RecognizerTest, LooseTrackFilesComeFirstAndBadOnesSaySo) {
    Write("loose/loose.ptf", ptf);
    EXPECT_NEAR(Factory("loose")->GetFacet<MakeTrack>()->Make("", "", false)->Get2DLength(), lapLength, 1e-6);
    // A PTF file that is no track is a format fault that names it.
    Write("bad/bad.ptf", WriteArchive(SampleTdoTree()));
    EXPECT_EQ(FormatFault(Shown(folder / "bad/bad.ptf"),
                          [&] { Factory("bad")->GetFacet<MakeTrack>()->Make("", "", false); }),
              "N4 ptf root object not a Track");
}

TEST_F(N4RecognizerTest, CreatesArchivesInItsOwnFormat) {
    Write("made/made.ptf", ptf);
    const auto archive = Factory("made")->GetFacet<CreateDat>()->Create();
    archive->GatherFiles(nullptr);
    archive->Build();
    EXPECT_TRUE(recognizer.IsGameDat(Shown(folder / "made/made.dat")));
}
