#pragma once

#include <cstdint>
#include <vector>

namespace Linewright {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

// The colours of a racing line by speed: the slowest speed of the lap at the scale's start, the
// fastest at its end, blended linearly between fixed stops. Shared by the preview window and the
// SVG, so that a legend drawn from GetStops reads the line's colours.
class SpeedScale {
public:
    struct Stop {
        double position;  // 0 at the slowest speed, 1 at the fastest
        Rgb colour;
    };

    // Speeds closer together than minimumSpan are spread about their middle to that span, so
    // that the noise of a steady lap does not paint it in every colour.
    SpeedScale(double slowest, double fastest);
    static constexpr double minimumSpan = 1.0;  // metres per second

    double GetSlowest() const { return slowest; }
    double GetFastest() const { return fastest; }
    // Where speed lies on the scale, clamped to 0..1.
    double GetPosition(double speed) const;
    Rgb GetColour(double speed) const;
    static const std::vector<Stop>& GetStops();

private:
    double slowest;
    double fastest;
};

}  // namespace Linewright
