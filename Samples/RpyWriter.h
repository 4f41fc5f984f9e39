#pragma once

#include "Samples/LapProfile.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Writes chunked replays (GPL, N4 and N2003 .rpy files) from a script of what happened in the
// session. It follows the published layout of the format on its own, so that a reader that
// misreads a field disagrees with it.
namespace Linewright::Samples {

// A car's place in one frame: metres along the track, metres off the centre line, radians.
struct RpyPosition {
    double longitude = 0.0;
    double lateral = 0.0;
    double angle = 0.0;
};

struct RpyCar {
    std::uint32_t slot = 0;
    RpyPosition position;
};

struct RpyFrame {
    std::optional<RpyPosition> player;       // the player's sample record
    std::vector<RpyCar> cars;                // one car-samples record, when not empty
    std::optional<std::uint32_t> clock;      // session time in hundredths of a second
    bool unknownRecord = false;              // a record of a type that readers skip, first
};

struct RpyDriver {
    std::string firstName;
    std::string lastName;
    std::uint32_t slot = 0;
    std::uint32_t carNumber = 0;
};

// One driver's lap-end times in a lap table, milliseconds since the session's start.
struct RpyLapReadout {
    std::uint32_t slot = 0;
    std::vector<std::uint32_t> endTimes;
};

struct RpyScript {
    std::uint32_t version = 2;        // below 3 GPL, 3 and 4 N4, 5 N2003
    std::uint32_t headerVersion = 0;  // 0 gives GPL replays the short header layout
    std::string trackName = "monza";
    std::string playerFirstName = "Jim";
    std::string playerLastName = "Clark";
    std::u16string headerText;        // written by the long header layout only
    std::uint32_t frameCountHint = 0;
    std::uint32_t headerWord1 = 0x11111111;
    std::uint32_t headerWord2 = 0x22222222;
    std::vector<std::uint32_t> moreHeaderValues{0x33, 0x44, 0x55, 0x66};  // the long layout uses 4
    std::vector<RpyDriver> drivers;
    std::vector<std::vector<RpyLapReadout>> lapTables;
    bool floatSamples = false;      // GPL: the player's samples as floats
    bool quarterMillimetres = false;  // longitudes in units of 1/500 m instead of 1/2000 m
    std::vector<RpyFrame> frames;
};

std::string WriteRpy(const RpyScript& script);

// The bytes of one chunk: header and payload with its padding.
std::string RpyChunk(const char* id, std::uint32_t version, const std::string& payload);

constexpr double rpyFramesPerSecond = 36.0;

// One car lapping at constant speed from frame 0 on.
struct RpyDrive {
    std::uint32_t slot = 0;
    bool player = false;
    double startLongitude = 0.0;
    double speed = 50.0;  // metres per second
    double lateral = 0.0;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> gaps;  // frames [first, end) unrecorded
    // When set, the car drives as the profile says (speed and lateral are then unused) instead
    // of at a steady speed, weaving gently.
    std::shared_ptr<const LapProfile> profile = nullptr;
};

struct RpySession {
    double trackLength = 1000.0;
    std::uint32_t frameCount = 0;
    std::uint32_t firstClockFrame = 0;  // earlier frames carry no clock record
    std::vector<RpyDrive> drives;
};

// Appends the session's frames to the script and one lap table with each drive's crossings of
// the start line, the time of each rounded up to the next millisecond.
void AddSession(RpyScript& script, const RpySession& session);

// A session on a 1000 m track: the player (slot 1) and two cars (slots 0 and 3) drive 60 s, the
// car in slot 3 goes unrecorded for a while in its third lap, and an unknown record opens every
// tenth frame. version picks the game; floatSamples applies to GPL.
RpyScript ExampleRpyScript(std::uint32_t version, bool floatSamples = false);

// A one-hour GPL session on a 5000 m track: the player (slot 0, 60 m/s) and 19 cars at 55.5 to
// 64.5 m/s, every one lapping from the first frame to the last.
RpyScript HourLongRpyScript();

}  // namespace Linewright::Samples
