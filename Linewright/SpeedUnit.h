#pragma once

#include <array>

namespace Linewright {

// A unit that the window shows speeds in; everything else keeps metres per second.
struct SpeedUnit {
    const char* name;      // "km/h", as written after a number
    double perMetreSecond; // how many of the unit one metre per second makes

    double FromMetresPerSecond(double speed) const { return speed * perMetreSecond; }
};

inline constexpr SpeedUnit kilometresPerHour{"km/h", 3.6};
inline constexpr SpeedUnit milesPerHour{"mph", 3600.0 / 1609.344};
inline constexpr std::array<SpeedUnit, 2> speedUnits{kilometresPerHour, milesPerHour};

}  // namespace Linewright
