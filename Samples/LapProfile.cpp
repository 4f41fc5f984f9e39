#include "Samples/LapProfile.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Linewright::Samples {

namespace {

constexpr double step = 1.0;          // metres between the speed table's entries
constexpr double braking = 9.0;       // m/s²
constexpr double acceleration = 4.0;  // m/s²
constexpr double turnIn = 40.0;       // metres before a bend where the car is furthest out

}  // namespace

LapProfile::LapProfile(const std::vector<Piece>& pieces, double topSpeed, double grip, double halfWidth)
    : halfWidth(halfWidth) {
    std::vector<double> limits;  // per metre, what the piece there allows
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const Piece& piece = pieces[i];
        const double limit = piece.radius > 0.0 ? std::min(topSpeed, std::sqrt(grip * piece.radius)) : topSpeed;
        const auto metres = static_cast<std::size_t>(std::lround(piece.length / step));
        limits.insert(limits.end(), metres, limit);
        // Arcs that turn the same way one after another make one bend.
        const bool continues = i > 0 && piece.radius > 0.0 && pieces[i - 1].radius > 0.0 &&
                               (piece.angle > 0.0) == (pieces[i - 1].angle > 0.0);
        if (piece.radius > 0.0 && continues) {
            Bend& bend = bends.back();
            const double start = bend.apex - bend.reach + turnIn;
            bend.apex = (start + length + piece.length) / 2.0;
            bend.reach = bend.apex - start + turnIn;
        } else if (piece.radius > 0.0) {
            bends.push_back({length + piece.length / 2.0, piece.length / 2.0 + turnIn, piece.angle > 0.0 ? -1 : 1});
        }
        length += piece.length;
    }
    // Braking before each bend and accelerating after it, round the loop twice so that the
    // start line joins up.
    const std::size_t count = limits.size();
    speeds = limits;
    for (int round = 0; round < 2; ++round) {
        for (std::size_t i = 2 * count; i-- > 0;) {
            const double next = speeds[(i + 1) % count];
            speeds[i % count] = std::min(speeds[i % count], std::sqrt(next * next + 2.0 * braking * step));
        }
        for (std::size_t i = 1; i <= 2 * count; ++i) {
            const double previous = speeds[(i - 1) % count];
            speeds[i % count] = std::min(speeds[i % count], std::sqrt(previous * previous + 2.0 * acceleration * step));
        }
    }
    speeds.push_back(speeds.front());
    times.assign(1, 0.0);
    for (std::size_t i = 0; i < count; ++i)
        times.push_back(times.back() + 2.0 * step / (speeds[i] + speeds[i + 1]));
}

double LapProfile::TimeAt(double distance) const {
    const double laps = std::floor(distance / length);
    const double within = std::clamp((distance - laps * length) / step, 0.0, static_cast<double>(times.size() - 1));
    const auto index = std::min(static_cast<std::size_t>(within), times.size() - 2);
    const double fraction = within - index;
    return laps * GetLapTime() + times[index] + (times[index + 1] - times[index]) * fraction;
}

double LapProfile::DistanceAt(double time) const {
    const double laps = std::floor(time / GetLapTime());
    const double within = time - laps * GetLapTime();
    const auto after = std::upper_bound(times.begin(), times.end(), within);
    const auto index = static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(after - times.begin() - 1, 0, times.size() - 2));
    const double fraction = (within - times[index]) / (times[index + 1] - times[index]);
    return laps * length + (index + fraction) * step;
}

double LapProfile::SpeedAt(double longitude) const {
    const double within = std::fmod(std::fmod(longitude, length) + length, length) / step;
    const auto index = std::min(static_cast<std::size_t>(within), speeds.size() - 2);
    return speeds[index] + (speeds[index + 1] - speeds[index]) * (within - index);
}

// At each apex the inside of the bend, at turn-in and exit the outside, back to the middle
// within as far again.
double LapProfile::LateralAt(double longitude) const {
    double lateral = 0.0;
    for (const Bend& bend : bends) {
        for (const double lap : {-length, 0.0, length}) {
            const double away = std::abs(longitude - (bend.apex + lap)) / bend.reach;
            if (away <= 1.0)
                lateral += bend.side * halfWidth * std::cos(std::numbers::pi * away);
            else if (away <= 2.0)
                lateral -= bend.side * halfWidth * (1.0 + std::cos(std::numbers::pi * (away - 1.0))) / 2.0;
        }
    }
    return std::clamp(lateral, -halfWidth, halfWidth);
}

double LapProfile::AngleAt(double longitude) const {
    return std::atan((LateralAt(longitude + 0.5) - LateralAt(longitude - 0.5)) / 1.0);
}

}  // namespace Linewright::Samples
