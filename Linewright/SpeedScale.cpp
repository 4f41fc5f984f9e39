#include "Linewright/SpeedScale.h"

#include <algorithm>
#include <cmath>

namespace Linewright {

namespace {

std::uint8_t Blend(std::uint8_t from, std::uint8_t to, double fraction) {
    return static_cast<std::uint8_t>(std::lround(from + (to - from) * fraction));
}

}  // namespace

SpeedScale::SpeedScale(double low, double high) : slowest(low), fastest(high) {
    if (fastest - slowest < minimumSpan) {
        const double middle = (slowest + fastest) / 2;
        slowest = middle - minimumSpan / 2;
        fastest = middle + minimumSpan / 2;
    }
}

double SpeedScale::GetPosition(double speed) const {
    return std::clamp((speed - slowest) / (fastest - slowest), 0.0, 1.0);
}

Rgb SpeedScale::GetColour(double speed) const {
    const double position = GetPosition(speed);
    const auto& stops = GetStops();
    std::size_t upper = 1;
    while (upper + 1 < stops.size() && position > stops[upper].position)
        ++upper;
    const Stop& low = stops[upper - 1];
    const Stop& high = stops[upper];
    const double fraction = (position - low.position) / (high.position - low.position);
    return {Blend(low.colour.red, high.colour.red, fraction), Blend(low.colour.green, high.colour.green, fraction),
            Blend(low.colour.blue, high.colour.blue, fraction)};
}

// Blue for braking zones, through green, to red at full speed.
const std::vector<SpeedScale::Stop>& SpeedScale::GetStops() {
    static const std::vector<Stop> stops = {
        {0.0, {30, 60, 230}}, {0.5, {30, 180, 60}}, {1.0, {230, 40, 30}}};
    return stops;
}

}  // namespace Linewright
