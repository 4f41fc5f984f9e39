#include "Linewright/LapTimeline.h"

#include "Papy/Replays/RpyFile.h"
#include "Util/Exception.h"

#include <algorithm>

namespace Linewright {

namespace {

// The distance of frame f from the lap's start line: frames before the lap lie a lap length
// before it, frames from its end on a lap length after.
double DistanceOf(const Tessel::Papy::RpyFile& replay, const LapRef& lap, std::uint32_t frame, double trackLength) {
    const double longitude = replay.GetLongitude(lap.driver, frame);
    if (frame < replay.GetLapFirstFrame(lap.table, lap.driver, lap.lap))
        return longitude - trackLength;
    if (frame >= replay.GetLapEndFrame(lap.table, lap.driver, lap.lap))
        return longitude + trackLength;
    return longitude;
}

}  // namespace

double LapTimeline::TimeAt(double at) const {
    TESSEL_CHECK(!distance.empty());
    const auto after = std::upper_bound(distance.begin(), distance.end(), at);
    if (after == distance.begin())
        return time.front();
    if (after == distance.end())
        return time.back();
    const std::size_t i = static_cast<std::size_t>(after - distance.begin());
    const double part = (at - distance[i - 1]) / (distance[i] - distance[i - 1]);
    return time[i - 1] + part * (time[i] - time[i - 1]);
}

LapTimeline TimeLap(const Tessel::Papy::RpyFile& replay, const LapRef& lap, double trackLength) {
    const std::uint32_t first = replay.GetLapFirstFrame(lap.table, lap.driver, lap.lap);
    const std::uint32_t end = replay.GetLapEndFrame(lap.table, lap.driver, lap.lap);
    const std::uint32_t last = std::min(end + 1, replay.GetFrameCount());
    const double interval = replay.GetFrameInterval();
    LapTimeline timeline;
    for (std::uint32_t frame = first > 0 ? first - 1 : 0; frame < last; ++frame) {
        if (!replay.IsSampleValid(lap.driver, frame))
            continue;
        const double distance = DistanceOf(replay, lap, frame, trackLength);
        if (!timeline.distance.empty() && distance <= timeline.distance.back())
            continue;
        timeline.distance.push_back(distance);
        timeline.time.push_back((static_cast<double>(frame) - first) * interval);
    }
    if (timeline.distance.size() < 2)
        throw Tessel::Util::XUsage("The lap holds too few recorded samples to time it");
    // The line was crossed between two frames.
    const double crossing = timeline.TimeAt(0.0);
    for (double& time : timeline.time)
        time -= crossing;
    return timeline;
}

std::vector<DeltaPoint> CompareTimelines(const LapTimeline& reference, const LapTimeline& lap, double trackLength,
                                         std::size_t steps) {
    std::vector<DeltaPoint> deltas;
    for (std::size_t i = 0; i <= steps; ++i) {
        const double distance = trackLength * static_cast<double>(i) / static_cast<double>(steps);
        deltas.push_back({distance, lap.TimeAt(distance) - reference.TimeAt(distance)});
    }
    return deltas;
}

}  // namespace Linewright
