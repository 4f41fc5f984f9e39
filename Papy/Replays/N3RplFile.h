#pragma once

#include "Papy/Replays/RpyFile.h"

#include <vector>

namespace Tessel::Util {
class BinaryStream;
}

namespace Tessel::Papy {

// An N3 replay (.rpl) of the N2 family, read completely by the constructor. It has one lap
// table, 15 frames per second and one record per visible car in each frame; laps are found
// from start-line crossings alone. The player is driver 1.
//
// Format notes (little-endian):
//   header, 16 bytes: length1 (the info block's size, 4061), length2 (the frame data's size),
//     a reserved 0, the driver count; the file holds exactly 16 + length1 + length2 bytes.
//   info block: the track name at 8; driver i's name (48 bytes) at 143 + 49 i, its car number
//     (one byte) right after it.
//   each frame: a car count n and n car records of 11 bytes (driver index × 2; longitude,
//     unsigned 24-bit; lateral offset, signed 16-bit; angle, unsigned 16-bit, 4096 per turn;
//     3 bytes not used), four blocks skipped here (a count each, then 14, 7, 16 and 13 bytes
//     per entry), and a 4-byte trailer holding the frame's size.
//   Longitudes and lateral offsets are in steps of 256 track units (0.0130048 m).
//
// A car crosses the start line when its stored longitude drops below 2000 from above 20000.
//
// The constructor throws XFileFormat (the stream's name and the fault) on the first fault and
// XFileRead when the frame data end inside a frame. Beyond the game's own checks it refuses a
// driver count above 79 (the info block holds no more), a replay of fewer than two drivers
// (the frame count is the player's, driver 1) and a car record naming no driver.
class N3RplFile : public RpyFile {
public:
    explicit N3RplFile(Util::BinaryStream& stream);

    std::string GetTrackName() const override { return trackName; }
    std::u16string GetHeaderText() const override { return {}; }
    std::string GetPlayerName() const override { return GetDriverName(GetPlayerIndex()); }
    std::uint32_t GetPlayerIndex() const override { return 1; }
    std::uint32_t GetDriverCount() const override;
    std::string GetDriverName(std::uint32_t driver) const override;
    std::string GetCarNumber(std::uint32_t driver) const override;
    std::uint32_t GetLapTableCount() const override { return 1; }
    // The table index is ignored here and by every lap accessor: there is one lap table.
    std::uint32_t GetLapCount(std::uint32_t table, std::uint32_t driver) const override;
    // The frames from the end of the lap before to the end of this one, 1/15 s each.
    double GetLapTime(std::uint32_t table, std::uint32_t driver, std::uint32_t lap) const override;
    LapStatus GetLapStatus(std::uint32_t table, std::uint32_t driver, std::uint32_t lap) const override;
    std::uint32_t GetLapFirstFrame(std::uint32_t table, std::uint32_t driver,
                                   std::uint32_t lap) const override;
    std::uint32_t GetLapEndFrame(std::uint32_t table, std::uint32_t driver,
                                 std::uint32_t lap) const override;
    std::uint32_t GetFrameCount() const override { return frameCount; }
    double GetFrameInterval() const override { return 1.0 / 15.0; }
    bool IsSampleValid(std::uint32_t driver, std::uint32_t frame) const override;
    double GetLongitude(std::uint32_t driver, std::uint32_t frame) const override;
    double GetLateral(std::uint32_t driver, std::uint32_t frame) const override;
    // 0 to 2 pi for the angles a game writes (4096 per turn).
    double GetAngle(std::uint32_t driver, std::uint32_t frame) const override;

private:
    struct LapMark {
        // While reading, a set of lap flag bits; afterwards the LapStatus.
        std::uint32_t flags = 0;
        std::uint32_t lastFrame = 0;  // the newest frame in which the car was seen in the lap
    };

    // Packed into 8 bytes: a replay holds one per driver and frame.
    struct Sample {
        std::uint32_t longitude : 24 = 0;  // as stored
        std::uint32_t valid : 1 = 0;
        std::int16_t lateral = 0;    // as stored
        std::uint16_t angle = 0;     // as stored
    };

    struct Driver {
        std::string name;
        std::uint32_t carNumber = 0;
        std::vector<LapMark> laps;
        std::vector<Sample> samples;  // one per frame
    };

    class FrameReader;

    void ReadInfoBlock(Util::BinaryStream& stream, std::uint32_t driverCount);
    void ReadFrames(Util::BinaryStream& stream, std::uint32_t size);

    const Driver& DriverAt(std::uint32_t driver) const;
    // The mark that ends lap `lap`.
    const LapMark& LapEndMark(std::uint32_t driver, std::uint32_t lap) const;
    const Sample& SampleAt(std::uint32_t driver, std::uint32_t frame) const;

    std::string trackName;
    std::uint32_t frameCount = 0;
    std::vector<Driver> drivers;  // in file order
};

}  // namespace Tessel::Papy
