#pragma once

#include <cstdint>
#include <string>

namespace Tessel::Papy {

// How much of a lap the replay recorded.
enum class LapStatus : std::uint32_t {
    NotRecorded = 0,
    PartlyRecorded = 1,
    // Began and ended at a start-line crossing (or a lap-end time that the clock passed while
    // the car was recorded), with the car recorded in every frame in between.
    Complete = 2,
};

// The abstract replay: the drivers of a session, their lap tables, and per recorded frame and
// driver one sample of the car's position relative to the track. All indices are zero-based.
// Values are in metres, radians and seconds. A replay is read completely when it is made and is
// read-only afterwards.
//
// Lap L of a driver runs from the end of mark L to the end of mark L + 1 of the lap table; its
// time, status and frames are those of mark L + 1.
//
// Accessors that take an index throw XAssertion when the index names no table, driver, lap or
// sample (IsSampleValid answers false for a frame beyond the driver's samples instead).
class RpyFile {
public:
    virtual ~RpyFile() = default;
    RpyFile(const RpyFile&) = delete;
    RpyFile& operator=(const RpyFile&) = delete;

    // The name under which the game keeps the track: the track's folder below "tracks".
    virtual std::string GetTrackName() const = 0;
    // A text that some replay headers carry (UTF-16 code units); empty when there is none.
    virtual std::u16string GetHeaderText() const = 0;
    // First name, one space, last name.
    virtual std::string GetPlayerName() const = 0;
    // The driver index of the player's car as the format fixes it.
    virtual std::uint32_t GetPlayerIndex() const = 0;

    // Number of driver slots; a slot without a driver entry has an empty name.
    virtual std::uint32_t GetDriverCount() const = 0;
    // First name, one space, last name.
    virtual std::string GetDriverName(std::uint32_t driver) const = 0;
    // The car number as the game shows it ("7", "00").
    virtual std::string GetCarNumber(std::uint32_t driver) const = 0;

    virtual std::uint32_t GetLapTableCount() const = 0;
    // Marks minus one; 0 when the table holds no mark for the driver.
    virtual std::uint32_t GetLapCount(std::uint32_t table, std::uint32_t driver) const = 0;
    // Seconds from the end of the lap before to the end of this one.
    virtual double GetLapTime(std::uint32_t table, std::uint32_t driver, std::uint32_t lap) const = 0;
    virtual LapStatus GetLapStatus(std::uint32_t table, std::uint32_t driver, std::uint32_t lap) const = 0;
    virtual std::uint32_t GetLapFirstFrame(std::uint32_t table, std::uint32_t driver,
                                           std::uint32_t lap) const = 0;
    // One past the last frame of the lap.
    virtual std::uint32_t GetLapEndFrame(std::uint32_t table, std::uint32_t driver,
                                         std::uint32_t lap) const = 0;

    // Words of the replay header that are passed on uninterpreted.
    virtual std::uint32_t GetHeaderValueCount() const { return 0; }
    virtual std::uint32_t GetHeaderValue(std::uint32_t /*index*/) const { return 0; }

    virtual std::uint32_t GetFrameCount() const = 0;
    // Seconds per frame.
    virtual double GetFrameInterval() const = 0;
    // True when the driver's car was recorded in that frame; false also for a frame beyond the
    // driver's samples. A sample that is not valid has longitude, lateral and angle 0.
    virtual bool IsSampleValid(std::uint32_t driver, std::uint32_t frame) const = 0;
    // Distance along the track from the start line.
    virtual double GetLongitude(std::uint32_t driver, std::uint32_t frame) const = 0;
    // Offset from the track's centre line.
    virtual double GetLateral(std::uint32_t driver, std::uint32_t frame) const = 0;
    // Heading relative to the track direction, in -pi..pi.
    virtual double GetAngle(std::uint32_t driver, std::uint32_t frame) const = 0;

protected:
    RpyFile() = default;
};

}  // namespace Tessel::Papy
