#pragma once

#include "Papy/Replays/RpyFile.h"
#include "Papy/Replays/TanQuantizer.h"
#include "Util/HugePageAllocator.h"

#include <array>
#include <vector>

namespace Tessel::Util {
class BinaryStream;
}

namespace Tessel::Papy {

// A chunked replay of GPL (replay version below 3), N4 (3 or 4) or N2003 (5). The constructor
// reads and checks the whole file; afterwards every accessor is a constant-time look-up.
//
// Laps come from the lap tables' lap-end times and from the start-line crossings seen in the
// samples; only the newest lap table gets lap status and frames, older ones read as not
// recorded. A replay without lap tables has none.
class GPLRpyFile : public RpyFile {
public:
    // Reads from the stream's start. Throws XFileFormat (the stream's name and the fault) on the
    // first fault, XFileRead when the data ends early, and XAssertion "lap > 0" when the frames
    // before the first clock record hold more start-line crossings than laps.
    explicit GPLRpyFile(Util::BinaryStream& stream);

    std::uint32_t GetVersion() const { return version; }
    std::uint32_t GetHeaderWord1() const { return headerWord1; }
    std::uint32_t GetHeaderWord2() const { return headerWord2; }

    std::string GetTrackName() const override { return trackName; }
    std::u16string GetHeaderText() const override { return headerText; }
    std::string GetPlayerName() const override { return firstName + " " + lastName; }
    // The slot of the driver entry that carries the player's name.
    std::uint32_t GetPlayerIndex() const override { return playerIndex; }
    std::uint32_t GetDriverCount() const override;
    std::string GetDriverName(std::uint32_t driver) const override;
    // Decimal; 2000 to 2009 are the two-character numbers "00" to "09".
    std::string GetCarNumber(std::uint32_t driver) const override;
    std::uint32_t GetLapTableCount() const override;
    std::uint32_t GetLapCount(std::uint32_t table, std::uint32_t driver) const override;
    double GetLapTime(std::uint32_t table, std::uint32_t driver, std::uint32_t lap) const override;
    LapStatus GetLapStatus(std::uint32_t table, std::uint32_t driver, std::uint32_t lap) const override;
    std::uint32_t GetLapFirstFrame(std::uint32_t table, std::uint32_t driver,
                                   std::uint32_t lap) const override;
    std::uint32_t GetLapEndFrame(std::uint32_t table, std::uint32_t driver,
                                 std::uint32_t lap) const override;
    std::uint32_t GetHeaderValueCount() const override;
    std::uint32_t GetHeaderValue(std::uint32_t index) const override;
    std::uint32_t GetFrameCount() const override { return frameCount; }
    double GetFrameInterval() const override { return 1.0 / 36.0; }
    bool IsSampleValid(std::uint32_t driver, std::uint32_t frame) const override;
    double GetLongitude(std::uint32_t driver, std::uint32_t frame) const override;
    double GetLateral(std::uint32_t driver, std::uint32_t frame) const override;
    double GetAngle(std::uint32_t driver, std::uint32_t frame) const override;

private:
    // One end of a lap in a lap table.
    struct LapMark {
        std::uint32_t endTime;  // milliseconds since the session's start; all ones while open
        // While reading, a set of LapFlag bits; afterwards the LapStatus.
        std::uint32_t flags = 0;
        std::uint32_t firstFrame = unset;
        std::uint32_t endFrame = unset;
    };
    using LapTable = std::vector<LapMark>;

    // What a sample holds.
    enum class SampleKind : std::uint32_t { notRecorded, playerCodes, carCodes, floats };

    // A sample in its stored width, decoded on access: the longitude in raw units, the lateral
    // code of the player's or the cars' quantizer and the angle code. A player sample stored as
    // floats keeps them in floatSamples instead, and the sample holds their index.
    class Sample {
    public:
        Sample() = default;
        Sample(SampleKind kind, std::uint32_t longitude, std::uint32_t lateralCode, std::uint32_t angleCode)
            : head(static_cast<std::uint32_t>(kind) << kindShift | longitude),
              attitude(lateralCode | angleCode << angleShift) {}

        SampleKind GetKind() const { return static_cast<SampleKind>(head >> kindShift); }
        bool IsRecorded() const { return GetKind() != SampleKind::notRecorded; }
        // Raw units, or the index of the floats.
        std::uint32_t GetLongitude() const { return head & ((1u << kindShift) - 1); }
        std::uint32_t GetLateralCode() const { return attitude & ((1u << angleShift) - 1); }
        std::uint32_t GetAngleCode() const { return attitude >> angleShift; }

    private:
        // Longitudes take at most 26 bits and float indices fewer than 30 (a frame takes at
        // least 8 of a chunk's at most 2^32 bytes); lateral codes at most 20 bits, angles 12.
        static constexpr unsigned kindShift = 30;
        static constexpr unsigned angleShift = 20;

        std::uint32_t head = 0;
        std::uint32_t attitude = 0;
    };

    using SampleTable = std::vector<Sample, Util::HugePageAllocator<Sample>>;

    struct Driver {
        std::string firstName;
        std::string lastName;
        std::uint32_t carNumber = 0;
        std::array<unsigned char, 32> kept{};  // entry bytes 72 to 103, not interpreted
        std::vector<LapTable> lapTables;
    };

    friend class GPLRpyFrameReader;

    static constexpr std::uint32_t unset = 0xFFFFFFFFu;

    void ReadHeader(Util::BinaryStream& stream);
    void ReadTrackRecord(Util::BinaryStream& stream);
    void ReadDriverList(Util::BinaryStream& stream);
    void ReadDriverEntry(Util::BinaryStream& stream);
    void FindPlayer(const std::string& streamName);
    void ReadLapTables(Util::BinaryStream& stream);
    void ReadLapReadout(Util::BinaryStream& stream, std::uint32_t size);
    void ReadFrames(Util::BinaryStream& stream);

    const Driver& DriverAt(std::uint32_t driver) const;
    const LapTable& LapTableAt(std::uint32_t table, std::uint32_t driver) const;
    // The mark that ends lap `lap`.
    const LapMark& LapEndMark(std::uint32_t table, std::uint32_t driver, std::uint32_t lap) const;
    const Sample& SampleAt(std::uint32_t driver, std::uint32_t frame) const;
    // Where a driver's sample of a frame lies in samples.
    std::size_t SampleIndex(std::uint32_t driver, std::uint32_t frame) const {
        return std::size_t{frame} * drivers.size() + driver;
    }
    // Metres along the track; 0 when not recorded.
    double LongitudeOf(const Sample& sample) const;

    std::uint32_t version = 0;
    double longitudeDivisor = 2000.0;  // raw longitude units per metre
    std::string trackName;
    std::string firstName;  // the player's, as the header gives it
    std::string lastName;
    std::u16string headerText;
    std::uint32_t frameCount = 0;  // the header's hint until the frames are read
    std::uint32_t headerWord1 = 0;
    std::uint32_t headerWord2 = 0;
    std::vector<std::uint32_t> headerValues;
    std::vector<Driver> drivers;  // indexed by the slot index of each driver entry
    // Frame by frame, one sample of every driver in slot order: a frame is read into one place.
    SampleTable samples;
    std::uint32_t playerIndex = 0;
    TanQuantizer playerQuantizer{20};
    TanQuantizer carQuantizer{16};
    unsigned carLateralBits = 16;
    std::vector<std::array<float, 3>> floatSamples;  // longitude, lateral, angle
};

}  // namespace Tessel::Papy
