#include "Linewright/LapComparison.h"

#include "Linewright/TrackDirectoryLps.h"
#include "Papy/Replays/RpyFile.h"
#include "Papy/Tracks/Track.h"
#include "Util/Exception.h"

#include <algorithm>
#include <array>

namespace Linewright {

Rgb GetLapColour(std::size_t i) {
    static constexpr std::array<Rgb, mostComparedLaps> colours = {
        {{30, 60, 208}, {208, 32, 32}, {32, 150, 64}, {224, 128, 0}, {144, 48, 192}}};
    return colours[i % colours.size()];
}

std::string NameLap(const Tessel::Papy::RpyFile& replay, const LapRef& lap) {
    return replay.GetDriverName(lap.driver) + " " + LapTimeText(replay.GetLapTime(lap.table, lap.driver, lap.lap)) +
           " (lap " + std::to_string(lap.table) + ":" + std::to_string(lap.driver) + ":" + std::to_string(lap.lap) +
           ")";
}

ValueRange GetSpeedRange(const LapComparison& comparison) {
    std::optional<ValueRange> range;
    for (const ComparedLap& lap : comparison.laps)
        for (const LinePoint& point : lap.line)
            range = range ? ValueRange{std::min(range->low, point.speed), std::max(range->high, point.speed)}
                          : ValueRange{point.speed, point.speed};
    return range.value_or(ValueRange{});
}

ValueRange GetDeltaRange(const LapComparison& comparison) {
    ValueRange range;
    for (const ComparedLap& lap : comparison.laps)
        for (const DeltaPoint& point : lap.delta)
            range = {std::min(range.low, point.delta), std::max(range.high, point.delta)};
    return range;
}

LapComparison CompareLaps(Tessel::Papy::FileFactory& trackFactory, const Tessel::Papy::RpyFile& replay,
                          const std::vector<LapRef>& laps, const std::string& type, std::size_t deltaSteps,
                          const std::string& trackPath) {
    if (laps.empty() || laps.size() > mostComparedLaps)
        throw Tessel::Util::XUsage("Laps are compared one to " + std::to_string(mostComparedLaps) + " at a time");
    const auto track = MakeTrackOfDirectory(trackFactory, trackPath);
    LapComparison comparison{OutlineTrack(*track), track->Get2DLength(), {}};
    const LapTimeline reference = TimeLap(replay, laps.front(), comparison.trackLength);
    for (const LapRef& lap : laps) {
        const auto lp = ConvertToNewLp(trackFactory, replay, lap, type, trackPath);
        comparison.laps.push_back(
            {lap, NameLap(replay, lap), TraceLine(*lp, *track),
             CompareTimelines(reference, TimeLap(replay, lap, comparison.trackLength), comparison.trackLength,
                              deltaSteps)});
    }
    return comparison;
}

}  // namespace Linewright
