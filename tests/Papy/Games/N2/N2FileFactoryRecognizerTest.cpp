#include "Papy/Factory/CreateLp.h"
#include "Papy/Factory/MakeLp.h"
#include "Papy/Factory/MakeRpy.h"
#include "Papy/Factory/MakeTrack.h"
#include "Papy/Factory/MakeTrk.h"
#include "Papy/Games/GPL/GPLFileFactoryRecognizer.h"
#include "Papy/Games/N2/N2FileFactoryRecognizer.h"
#include "Papy/Lp/LpFile.h"
#include "Papy/Replays/RpyFile.h"
#include "Papy/Tracks/Track.h"
#include "Papy/Tracks/Trk/TrkFile.h"
#include "Samples/DatWriter.h"
#include "Samples/GPLTrkWriter.h"
#include "Samples/ICR2TrkWriter.h"
#include "Samples/N3RplWriter.h"
#include "testing/TemporaryFolder.h"
#include "tests/Papy/Games/RecognizerTest.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Tessel::Papy;
using namespace Linewright::Samples;

namespace {

class N2RecognizerTest : public RecognizerTest<N2FileFactoryRecognizer> {
protected:
    const std::string track = WriteICR2Trk(SampleICR2TrkShape());
    const std::string replay = WriteN3Rpl(ExampleN3Script(SampleICR2TrkShape().Get2DLength(), 50.0, 40.0));
};

}  // namespace

TEST_F(N2RecognizerTest, ArchivesByTheirFirstObjectMember) {
    EXPECT_FALSE(recognizer.IsDefault());
    const std::string both = Write("both.dat", WriteICR2Dat({{"a.trk", track}, {"A.3DO", object3}, {"b.3do", object4}}));
    EXPECT_TRUE(recognizer.IsDat(both));
    EXPECT_TRUE(recognizer.IsGameDat(both));
    // GPL takes the same archive for one of its format, but not for one of its game.
    GPLFileFactoryRecognizer gpl;
    EXPECT_TRUE(gpl.IsDat(both));
    EXPECT_FALSE(gpl.IsGameDat(both));
    EXPECT_FALSE(recognizer.IsGameDat(Write("gpl.dat", WriteICR2Dat({{"a.3do", object4}, {"b.3do", object3}}))));
    EXPECT_FALSE(recognizer.IsGameDat(Write("none.dat", WriteICR2Dat({{"a.trk", track}}))));
    EXPECT_FALSE(recognizer.IsGameDat(Write("short.dat", WriteICR2Dat({{"a.3do", "3O"}}))));
    EXPECT_FALSE(recognizer.IsDat(Write("zero.dat", std::string("\0\0\5\0", 4))));
}

TEST_F(N2RecognizerTest, DirectoriesByTheirFirstMatchingFile) {
    const std::string gplTrack = WriteGPLTrk(SampleTrkShape());
    ExpectGameDirectories({
        {"objects", {{"x.3do", object3}, {"t.trk", gplTrack}}, true},  // the object file decides alone
        {"gplobjects", {{"x.3do", object4}, {"t.trk", track}}, false},
        {"track", {{"T.TRK", track}}, true},
        {"gpltrack", {{"t.trk", gplTrack}}, false},
        {"replays", {{"lap.RPL", replay}}, true},
        {"longreplay", {{"lap.rpl", replay + '\0'}}, false},
        {"shortreplay", {{"lap.rpl", replay.substr(0, 15)}}, false},
        {"owndat", {{"owndat.dat", WriteICR2Dat({{"o.3do", object3}})}, {"t.trk", gplTrack}}, true},
    });
}

TEST_F(N2RecognizerTest, NewLpsHaveARecordPerSpacingOfTheSurface) {
    Write("indy/indy.trk", track);
    const auto factory = Factory("indy");
    const auto makeLp = factory->GetFacet<MakeLp>();
    // A new LP has a record per 65536 track units of the surface, and is kept under its type.
    const auto lp = factory->GetFacet<CreateLp>()->Create("Race", 0.0);
    const double surface = factory->GetFacet<MakeTrk>()->Make("", "", false)->GetTrackLength() * 5.08e-05;
    EXPECT_EQ(lp->GetRecordCount(), static_cast<std::uint32_t>(std::ceil(surface / 3.3292288)));
    EXPECT_EQ(makeLp->Make("race", ""), lp);
    EXPECT_NEAR(factory->GetFacet<MakeTrack>()->Make("", "", false)->Get2DLength(),
                SampleICR2TrkShape().Get2DLength(), 0.1);
}

TEST_F(N2RecognizerTest, RepliesAreN3Replays) {
    Write("replays/Lap.RPL", replay);
    const auto read = Factory("replays")->GetFacet<MakeRpy>()->Make("lap", "");
    EXPECT_EQ(read->GetTrackName(), "indy");
    EXPECT_EQ(read->GetFrameCount(), 600u);
}
