#include "Linewright/LapList.h"

#include "Papy/Replays/RpyFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace Linewright {

namespace {

constexpr unsigned fieldBits = 8;
constexpr std::uint32_t fieldMask = (1u << fieldBits) - 1;
constexpr unsigned tableShift = 2 * fieldBits;
constexpr unsigned driverShift = fieldBits;

bool Fits(const LapRef& lap) {
    return lap.table <= largestCodedIndex && lap.driver <= largestCodedIndex && lap.lap <= largestCodedIndex;
}

}  // namespace

std::uint32_t EncodeLapItem(const LapRef& lap) {
    if (!Fits(lap))
        return 0;
    return (lap.table + 1) << tableShift | (lap.driver + 1) << driverShift | (lap.lap + 1);
}

std::optional<LapRef> DecodeLapItem(std::uint32_t code) {
    const std::uint32_t table = code >> tableShift & fieldMask;
    const std::uint32_t driver = code >> driverShift & fieldMask;
    const std::uint32_t lap = code & fieldMask;
    if (code >> (3 * fieldBits) != 0 || table == 0 || driver == 0 || lap == 0)
        return std::nullopt;
    return LapRef{table - 1, driver - 1, lap - 1};
}

std::string LapTimeText(double seconds) {
    const double minutes = std::floor(seconds / 60.0);
    char text[64];
    std::snprintf(text, sizeof text, "%.0fm %.3fs", minutes, seconds - minutes * 60.0);
    return text;
}

std::string LapListEntry::Text() const {
    return driverName + " " + LapTimeText(time);
}

std::vector<LapListEntry> ListCompleteLaps(const Tessel::Papy::RpyFile& replay) {
    std::vector<LapListEntry> entries;
    for (std::uint32_t table = 0; table < replay.GetLapTableCount(); ++table) {
        for (std::uint32_t driver = 0; driver < replay.GetDriverCount(); ++driver) {
            for (std::uint32_t lap = 0; lap < replay.GetLapCount(table, driver); ++lap) {
                const LapRef ref{table, driver, lap};
                if (!Fits(ref) || replay.GetLapStatus(table, driver, lap) != Tessel::Papy::LapStatus::Complete)
                    continue;
                entries.push_back({ref, replay.GetDriverName(driver), replay.GetLapTime(table, driver, lap)});
            }
        }
    }
    return entries;
}

std::optional<std::size_t> FindFastestLap(const std::vector<LapListEntry>& laps) {
    if (laps.empty())
        return std::nullopt;
    const auto fastest = std::min_element(laps.begin(), laps.end(),
                                          [](const LapListEntry& a, const LapListEntry& b) { return a.time < b.time; });
    return static_cast<std::size_t>(fastest - laps.begin());
}

}  // namespace Linewright
