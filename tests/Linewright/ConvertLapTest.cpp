#include "Linewright/ConvertLap.h"
#include "Papy/GPLLpFile.h"
#include "Papy/GPLRpyFile.h"
#include "Papy/GPLTrkFile.h"
#include "Papy/TrkTrack.h"
#include "Util/Exception.h"
#include "testing/LapFiles.h"
#include "testing/MemoryStream.h"
#include "tests/Linewright/LapFakes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace LapFakes;
using Linewright::ConvertLap;

namespace {

const std::string MarginMessage =
    "Replay lap contains insufficient margin either before or after the lap - leave at least ten "
    "metres either side";

// A 300 m track: 101 records from 3 m to 303 m, so the window ends at the first frame after the
// lap whose longitude passes 3 m.
constexpr double TrackLength = 300.0;

Drive Steady(double start, double perFrame) {
    Drive drive;
    drive.trackLength = TrackLength;
    drive.distance = [=](std::uint32_t f) { return start + perFrame * f; };
    return drive;
}

std::string UsageText(const Replay& replay, Lp& lp) {
    try {
        ConvertLap(replay, 0, 0, 0, LengthOnlyTrack(TrackLength), lp);
    } catch (const Tessel::Util::XUsage& failure) {
        return failure.GetMessageText();
    }
    return "converted";
}

}  // namespace

TEST(ConvertLap, SteadyCarOnAStraightGivesItsSpeedAndOffsetEverywhere) {
    Drive drive = Steady(-2.0, 1.25);
    drive.lateral = [](double) { return -1.5; };
    const auto replay = MakeReplay(drive, 260);
    Lp lp(TrackLength);
    ConvertLap(*replay, 0, 0, 0, LengthOnlyTrack(TrackLength), lp);
    ASSERT_EQ(lp.records.size(), 101u);
    for (const LpRecord& record : lp.records) {
        EXPECT_NEAR(record.speed, 1.25 * 36.0, 1e-9);
        EXPECT_NEAR(record.lateralSpeed, 0.0, 1e-9);
        EXPECT_NEAR(record.lateral, -1.5, 1e-12);
        EXPECT_NEAR(record.angleRate, 0.0, 1e-12);
    }
}

TEST(ConvertLap, CarCrossingTheLineFasterThanOneSpacingPerFrameConverts) {
    // 4 m per frame: the lap's first frame already lies at 3.5 m, past record 0 at 3 m, so
    // record 0 falls between the frame before the lap and the lap's first frame.
    const auto replay = MakeReplay(Steady(-0.5, 4.0), 90);
    ASSERT_EQ(replay->lapFirst, 1u);
    ASSERT_DOUBLE_EQ(replay->frames[1].longitude, 3.5);
    Lp lp(TrackLength);
    ConvertLap(*replay, 0, 0, 0, LengthOnlyTrack(TrackLength), lp);
    EXPECT_NEAR(lp.records.front().speed, 4.0 * 36.0, 1e-9);
    EXPECT_NEAR(lp.records.back().speed, 4.0 * 36.0, 1e-9);
}

TEST(ConvertLap, WeavingCarGivesOffsetsOnItsLine) {
    Drive drive = Steady(-2.0, 1.4);
    const double k = 2.0 * std::numbers::pi / 60.0;
    drive.lateral = [k](double d) { return 2.0 * std::sin(k * d); };
    drive.angle = [k](double d) { return std::atan(2.0 * k * std::cos(k * d)); };
    const auto replay = MakeReplay(drive, 240);
    Lp lp(TrackLength);
    ConvertLap(*replay, 0, 0, 0, LengthOnlyTrack(TrackLength), lp);
    for (std::uint32_t r = 0; r < lp.GetRecordCount(); ++r) {
        const double longitude = lp.GetRecordLongitude(r);
        EXPECT_NEAR(lp.records[r].lateral, 2.0 * std::sin(k * longitude), 0.01) << r;
        // The free ends of the fit bend the rate by about 1% near the window's ends.
        EXPECT_NEAR(lp.records[r].lateralSpeed, 2.0 * k * std::cos(k * longitude) * 1.4 * 36.0, 0.15) << r;
    }
}

TEST(ConvertLap, AngleJumpingAcrossPiGivesASmallRate) {
    // The heading turns steadily by 0.01 rad per metre and passes pi about 14 m into the lap,
    // where the replay's angle jumps from +pi to -pi.
    Drive drive = Steady(-2.0, 1.25);
    drive.angle = [](double d) { return std::remainder(3.0 + 0.01 * d, 2.0 * std::numbers::pi); };
    const auto replay = MakeReplay(drive, 260);
    Lp lp(TrackLength);
    ConvertLap(*replay, 0, 0, 0, LengthOnlyTrack(TrackLength), lp);
    for (const LpRecord& record : lp.records)
        EXPECT_NEAR(record.angleRate, 0.01 * 1.25 * 36.0, 1e-6);
}

TEST(ConvertLap, NeedsAFrameBeforeTheLapAndTwoPastTheLastRecord) {
    Lp lp(TrackLength);
    // The lap starts in the replay's first frame.
    EXPECT_EQ(UsageText(*MakeReplay(Steady(0.5, 1.25), 260), lp), MarginMessage);
    // The replay ends before the car passes the last record after the line.
    EXPECT_EQ(UsageText(*MakeReplay(Steady(-2.0, 1.25), 244), lp), MarginMessage);
    // Frame 245 (304.25 m driven) is the first past the last record at 303 m: it must not be
    // the replay's last frame; one frame more and the same lap converts.
    EXPECT_EQ(UsageText(*MakeReplay(Steady(-2.0, 1.25), 246), lp), MarginMessage);
    EXPECT_EQ(UsageText(*MakeReplay(Steady(-2.0, 1.25), 247), lp), "converted");
}

TEST(ConvertLap, RefusesAWindowWithFramesInWhichTheCarWasNotRecorded) {
    const std::string unrecorded =
        "Replay lap window holds frames in which the car was not recorded - choose another lap";
    for (std::uint32_t missing : {1u, 242u, 245u}) {  // before the lap, at its end, the last
        auto replay = MakeReplay(Steady(-2.0, 1.25), 260);
        replay->frames[missing] = Frame{false, 0.0, 0.0, 0.0};
        Lp lp(TrackLength);
        EXPECT_EQ(UsageText(*replay, lp), unrecorded) << missing;
    }
}

TEST(ConvertLap, PlayerLapOfAWrittenReplayOnAWrittenTrackFollowsTheDrivenLine) {
    using namespace Linewright::Testing;
    using namespace Tessel::Papy;
    const GPLLapFiles files = MakeGPLLapFiles(400.0, 60.0, 48.0, 1.5, 40.0);
    const auto trackFile = std::make_shared<GPLTrkFile>(MemoryStream(files.track, "loop.trk").stream);
    const TrkTrack track(trackFile);
    const GPLRpyFile replay(*MemoryStream(files.replay, "lap.rpy").stream);
    ASSERT_EQ(replay.GetLapStatus(0, 0, 1), LapStatus::Complete);
    GPLLpFile lp(trackFile, 0.0);
    ConvertLap(replay, 0, 0, 1, track, lp);
    for (std::uint32_t r = 0; r < lp.GetRecordCount(); ++r) {
        const double phase = 2.0 * std::numbers::pi * lp.GetRecordLongitude(r) / files.trackLength;
        EXPECT_NEAR(lp.GetRecordLateral(r), 1.5 + 3.0 * std::sin(phase), 0.01) << r;
        // Longitudes are stored in steps of 0.5 mm: 18 mm/s at 36 frames a second.
        EXPECT_NEAR(lp.GetRecordSpeed(r), 48.0, 0.03) << r;
    }
}
