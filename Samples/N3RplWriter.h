#pragma once

#include "Samples/LapProfile.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// Writes N3 replays (.rpl files) from a script of frames. It follows the published layout of
// the format on its own, so that a reader that misreads a field disagrees with it: a 16-byte
// header, a 4061-byte info block with the track and the drivers, then the frames, each closed
// by a trailer that repeats its size.
namespace Linewright::Samples {

constexpr double n3FramesPerSecond = 15.0;

// One car record as stored: the driver's index, the longitude as an unsigned 24-bit value, the
// lateral offset as a signed 16-bit value (both in steps of 256 track units, 0.0130048 m) and
// the angle as an unsigned 16-bit value (4096 per turn).
struct N3Car {
    std::uint8_t driver = 0;
    std::uint32_t longitude = 0;
    std::int16_t lateral = 0;
    std::uint16_t angle = 0;
};

// The stored values of metres and radians.
std::uint32_t N3Longitude(double metres);
std::int16_t N3Lateral(double metres);
std::uint16_t N3Angle(double radians);

struct N3Frame {
    std::vector<N3Car> cars;
    // The counts of the four blocks after the cars; each entry is written as that many bytes.
    std::array<std::uint8_t, 4> blockCounts{};
};

struct N3Driver {
    std::string name;
    std::uint8_t carNumber = 0;
};

struct N3Script {
    std::string trackName = "indy";
    std::vector<N3Driver> drivers;
    std::vector<N3Frame> frames;
};

std::string WriteN3Rpl(const N3Script& script);

// One car lapping at constant speed from frame 0 on, weaving around its lateral offset.
struct N3Drive {
    std::uint8_t driver = 0;
    double startLongitude = 0.0;
    double speed = 50.0;  // metres per second
    double lateral = 0.0;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> gaps;  // frames [first, end) unrecorded
    // When set, the car drives as the profile says (speed and lateral are then unused).
    std::shared_ptr<const LapProfile> profile = nullptr;
};

struct N3Session {
    double trackLength = 1000.0;
    std::uint32_t frameCount = 0;
    std::vector<N3Drive> drives;
};

// Appends the session's frames to the script; every tenth frame also carries one record in
// each of the four blocks.
void AddN3Session(N3Script& script, const N3Session& session);

// A session of `seconds` on a track of trackLength metres: the player (driver 1) starts two
// seconds before the line at `speed`, driver 0 at 45 m/s half a lap ahead, driver 2 at 40 m/s
// and unrecorded for a second in its second lap.
N3Script ExampleN3Script(double trackLength, double speed, double seconds);

}  // namespace Linewright::Samples
