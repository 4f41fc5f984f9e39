#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Tessel::Papy {
class RpyFile;
}

// The list of laps that both front ends offer for conversion.
namespace Linewright {

struct LapRef {
    std::uint32_t table = 0;
    std::uint32_t driver = 0;
    std::uint32_t lap = 0;
    bool operator==(const LapRef&) const = default;
};

// The lap item code: a 32-bit value naming a lap, with the lap table index plus 1 in bits 16
// to 23, the driver index plus 1 in bits 8 to 15 and the lap index plus 1 in bits 0 to 7.
// 0 names no lap.
constexpr std::uint32_t largestCodedIndex = 254;

// 0 when an index is above largestCodedIndex: such a lap has no code.
std::uint32_t EncodeLapItem(const LapRef& lap);
// Empty for 0 and for any value that EncodeLapItem cannot produce, so that no value names a
// lap other than the one it was made from.
std::optional<LapRef> DecodeLapItem(std::uint32_t code);

// "<m>m <s.sss>s": whole minutes, then the seconds left rounded to milliseconds (so 59.9999 s
// reads "0m 60.000s").
std::string LapTimeText(double seconds);

struct LapListEntry {
    LapRef lap;
    std::string driverName;
    double time = 0.0;  // seconds

    // "<driver name> <lap time text>", as the list shows it.
    std::string Text() const;
    // The lap item code that names this entry's lap.
    std::uint32_t Code() const { return EncodeLapItem(lap); }
};

// Every complete lap, in lap-table order, then driver order, then lap order (never sorted by
// time). A lap whose indices the lap item code cannot hold is left out, since no list entry
// could name it.
std::vector<LapListEntry> ListCompleteLaps(const Tessel::Papy::RpyFile& replay);

// The index in laps of the fastest lap, the first of equal times; empty for no laps.
std::optional<std::size_t> FindFastestLap(const std::vector<LapListEntry>& laps);

}  // namespace Linewright
