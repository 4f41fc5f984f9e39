#include "Linewright/LapTimeline.h"
#include "tests/Linewright/LapFakes.h"

#include <gtest/gtest.h>

using namespace Linewright;

namespace {

constexpr double trackLength = 1200.0;
constexpr double frameInterval = 1.0 / 36.0;

// Distance driven t seconds after the line at speed, except across [from, to) at slowSpeed.
double Driven(double t, double speed, double from, double to, double slowSpeed) {
    if (t * speed < from)
        return t * speed;
    const double slowEntry = from / speed, slowExit = slowEntry + (to - from) / slowSpeed;
    if (t < slowExit)
        return from + (t - slowEntry) * slowSpeed;
    return to + (t - slowExit) * speed;
}

// A lap two seconds after the replay's start, with a second of frames after it.
LapTimeline TimeConstructedLap(double from, double to, double slowSpeed) {
    const LapFakes::Drive drive{trackLength, [=](std::uint32_t frame) {
                                    return Driven(frame * frameInterval - 2.0, 50.0, from, to, slowSpeed);
                                }};
    const auto replay = LapFakes::MakeReplay(drive, 36 * 30);
    return TimeLap(*replay, {0, 0, 0}, trackLength);
}

}  // namespace

TEST(LapTimeline, TheDeltaOfALapSlowerOverAStretchIsWhatItLostThere) {
    struct Case {
        double from, to, slowSpeed;
    };
    const LapTimeline reference = TimeConstructedLap(0.0, 0.0, 50.0);
    for (const Case& slower : {Case{300.0, 500.0, 40.0}, Case{0.0, 1200.0, 49.0}, Case{1000.5, 1100.25, 45.0}}) {
        const LapTimeline lap = TimeConstructedLap(slower.from, slower.to, slower.slowSpeed);
        const double lostPerMetre = 1.0 / slower.slowSpeed - 1.0 / 50.0;
        for (const DeltaPoint& point : CompareTimelines(reference, lap, trackLength, 1200)) {
            const double within = std::clamp(point.distance, slower.from, slower.to) - slower.from;
            EXPECT_NEAR(point.delta, within * lostPerMetre, 0.001) << point.distance;
        }
    }
}

TEST(LapTimeline, UnrecordedFramesAndBackwardSteps) {
    const LapFakes::Drive drive{trackLength, [](std::uint32_t frame) { return frame * 50.0 * frameInterval - 100.0; }};
    auto replay = LapFakes::MakeReplay(drive, 36 * 30);
    replay->frames[200].valid = false;
    replay->frames[200].longitude = 0.0;
    replay->frames[300].longitude -= 10.0;  // a step back, reached again later
    const LapTimeline timeline = TimeLap(*replay, {0, 0, 0}, trackLength);
    for (const double distance : {0.0, 100.0, 250.0, 300.0, 1199.0})
        EXPECT_NEAR(timeline.TimeAt(distance), distance / 50.0, 1e-9) << distance;
}
