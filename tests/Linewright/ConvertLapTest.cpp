#include "Linewright/ConvertLap.h"
#include "Papy/Lp/GPLLpFile.h"
#include "Papy/Lp/ICR2LpFile.h"
#include "Papy/Replays/GPLRpyFile.h"
#include "Papy/Replays/N3RplFile.h"
#include "Papy/Tracks/Trk/GPLTrkFile.h"
#include "Papy/Tracks/Trk/ICR2TrkFile.h"
#include "Papy/Tracks/Trk/TrkTrack.h"
#include "Samples/ICR2TrkWriter.h"
#include "Samples/N3RplWriter.h"
#include "Util/Exception.h"
#include "testing/LapFiles.h"
#include "testing/MemoryStream.h"
#include "tests/Failures.h"
#include "tests/Linewright/LapFakes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace LapFakes;
using namespace Tessel::Papy;
using namespace Linewright::Samples;
using namespace Linewright::Testing;
using Linewright::ConvertLap;

namespace {

const std::string MarginMessage =
    "Replay lap contains insufficient margin either before or after the lap - leave at least ten "
    "metres either side";

// A 300 m loop: 101 records from 3 m to 303 m, so the window ends at the first frame after the
// lap whose longitude passes 3 m.
const std::shared_ptr<TrkFile>& LoopFile() {
    static const std::shared_ptr<TrkFile> file = std::make_shared<GPLTrkFile>(
        MemoryStream(WriteGPLTrk(LoopShape(100.0, 50.0 / std::numbers::pi)), "loop.trk").stream);
    return file;
}

Drive Steady(double start, double perFrame) {
    Drive drive;
    drive.trackLength = LoopFile()->Get2DLength();
    drive.distance = [=](std::uint32_t f) { return start + perFrame * f; };
    return drive;
}

std::unique_ptr<GPLLpFile> Convert(const Tessel::Papy::RpyFile& replay, std::uint32_t lap = 0) {
    auto lp = std::make_unique<GPLLpFile>(TrkTrack(LoopFile()), 0.0);
    ConvertLap(replay, 0, 0, lap, TrkTrack(LoopFile()), *lp);
    return lp;
}

std::string UsageText(const Replay& replay) {
    return Linewright::Testing::UsageText([&] { Convert(replay); });
}

}  // namespace

TEST(ConvertLap, TightWeaveGivesOffsetsAndRatesOnTheDrivenLine) {
    Drive drive = Steady(-2.0, 1.4);
    const double k = 2.0 * std::numbers::pi / 60.0;  // 2 m either side, every 60 m
    drive.lateral = [k](double d) { return 2.0 * std::sin(k * d); };
    const auto lp = Convert(*MakeReplay(drive, 240));
    for (std::uint32_t r = 0; r < lp->GetRecordCount(); ++r) {
        const double longitude = lp->GetRecordLongitude(r);
        EXPECT_NEAR(lp->GetRecordLateral(r), 2.0 * std::sin(k * longitude), 0.01) << r;
        // The free ends of the fit bend the rate by about 1% near the window's ends.
        EXPECT_NEAR(lp->GetRecordLateralSpeed(r), 2.0 * k * std::cos(k * longitude) * 1.4 * 36.0, 0.15) << r;
    }
}

TEST(ConvertLap, AngleJumpingAcrossPiGivesASmallRate) {
    // The heading turns steadily by 0.01 rad per metre and passes pi about 14 m into the lap,
    // where the replay's angle jumps from +pi to -pi.
    Drive drive = Steady(-2.0, 1.25);
    drive.angle = [](double d) { return std::remainder(3.0 + 0.01 * d, 2.0 * std::numbers::pi); };
    const auto lp = Convert(*MakeReplay(drive, 260));
    for (std::uint32_t r = 0; r < lp->GetRecordCount(); ++r)
        EXPECT_NEAR(lp->GetRecordAngleRate(r), 0.01 * 1.25 * 36.0, 1e-6);
}

TEST(ConvertLap, NeedsAFrameBeforeTheLapAndTwoPastTheLastRecord) {
    // The lap starts in the replay's first frame.
    EXPECT_EQ(UsageText(*MakeReplay(Steady(0.5, 1.25), 260)), MarginMessage);
    // The replay ends before the car passes the last record after the line.
    EXPECT_EQ(UsageText(*MakeReplay(Steady(-2.0, 1.25), 244)), MarginMessage);
    // Frame 245 (304.25 m driven) is the first past the last record at 303 m: it must not be
    // the replay's last frame; one frame more and the same lap converts.
    EXPECT_EQ(UsageText(*MakeReplay(Steady(-2.0, 1.25), 246)), MarginMessage);
    EXPECT_EQ(UsageText(*MakeReplay(Steady(-2.0, 1.25), 247)), "no usage error");
}

TEST(ConvertLap, RefusesAWindowWithFramesInWhichTheCarWasNotRecorded) {
    const std::string unrecorded =
        "Replay lap window holds frames in which the car was not recorded - choose another lap";
    for (std::uint32_t missing : {1u, 242u, 245u}) {  // before the lap, at its end, the last
        auto replay = MakeReplay(Steady(-2.0, 1.25), 260);
        replay->frames[missing] = Frame{false, 0.0, 0.0, 0.0};
        EXPECT_EQ(UsageText(*replay), unrecorded) << missing;
    }
}

TEST(ConvertLap, PlayerLapOfAWrittenReplayOnAWrittenTrackFollowsTheDrivenLine) {
    const GPLLapFiles files = MakeGPLLapFiles(400.0, 60.0, 48.0, 1.5, 40.0);
    const auto trackFile = std::make_shared<GPLTrkFile>(MemoryStream(files.track, "loop.trk").stream);
    const GPLRpyFile replay(*MemoryStream(files.replay, "lap.rpy").stream);
    ASSERT_EQ(replay.GetLapStatus(0, 0, 1), LapStatus::Complete);
    const TrkTrack track(trackFile);
    GPLLpFile lp(track, 0.0);
    ConvertLap(replay, 0, 0, 1, track, lp);
    for (std::uint32_t r = 0; r < lp.GetRecordCount(); ++r) {
        // The replay writer weaves the car 3 m either side of its line once a lap.
        const double phase = 2.0 * std::numbers::pi * lp.GetRecordLongitude(r) / files.trackLength;
        EXPECT_NEAR(lp.GetRecordLateral(r), 1.5 + 3.0 * std::sin(phase), 0.01) << r;
        // Longitudes are stored in steps of 0.5 mm: 18 mm/s at 36 frames a second.
        EXPECT_NEAR(lp.GetRecordSpeed(r), 48.0, 0.03) << r;
    }
}

TEST(ConvertLap, N3LapOnAnICR2TrackFasterThanOneSpacingPerFrameConverts) {
    const TrkShape shape = SampleICR2TrkShape();
    const auto trackFile = std::make_shared<ICR2TrkFile>(MemoryStream(WriteICR2Trk(shape), "indy.trk").stream);
    // 62 m/s is 4.13 m a frame at 15 frames a second; the player's first frame of lap 1 lies at
    // 4 m, past record 0 at 3.33 m.
    N3Script script = ExampleN3Script(shape.Get2DLength(), 62.0, 60.0);
    script.frames.clear();
    N3Session session{shape.Get2DLength(), 60 * 15, {{1, shape.Get2DLength() - 124.0 + 4.0, 62.0, 1.5, {}}}};
    AddN3Session(script, session);
    const N3RplFile replay(*MemoryStream(WriteN3Rpl(script), "lap.rpl").stream);
    ASSERT_EQ(replay.GetLapStatus(0, 1, 1), LapStatus::Complete);
    const TrkTrack track(trackFile);
    ICR2LpFile lp(track, 0.0);
    ASSERT_GT(replay.GetLongitude(1, replay.GetLapFirstFrame(0, 1, 1)), lp.GetRecordLongitude(0));
    ConvertLap(replay, 0, 1, 1, track, lp);
    for (std::uint32_t r = 0; r < lp.GetRecordCount(); ++r) {
        const double phase = 2.0 * std::numbers::pi * lp.GetRecordLongitude(r) / shape.Get2DLength();
        EXPECT_NEAR(lp.GetRecordLateral(r), 1.5 + 2.5 * std::sin(phase), 0.02) << r;
        // Speeds are stored in steps of 0.762 mm/s; longitudes in steps of 13 mm, 0.2 m/s at 15 frames a second.
        EXPECT_NEAR(lp.GetRecordSpeed(r), 62.0, 0.2) << r;
    }
}
