#include "Papy/Replays/N3RplFile.h"

#include "Papy/Tracks/Trk/TrkFixedPoint.h"
#include "Util/BinaryStream.h"
#include "Util/CharBuffer.h"
#include "Util/Exception.h"
#include "Util/RecordView.h"

#include <algorithm>
#include <array>

namespace Tessel::Papy {

using Util::BinaryStream;
using Util::ReadValue;

namespace {

constexpr std::uint32_t headerSize = 16;
constexpr std::uint32_t infoBlockSize = 4061;
constexpr std::size_t trackNameOffset = 8;
constexpr std::size_t firstDriverOffset = 143;
constexpr std::size_t driverNameSize = 48;
constexpr std::size_t driverEntrySize = driverNameSize + 1;
// The info block has room for this many driver entries.
constexpr std::uint32_t driverLimit = 79;
constexpr std::uint32_t carRecordSize = 11;
constexpr std::array<std::uint32_t, 4> skippedRecordSizes = {14, 7, 16, 13};
constexpr std::uint32_t trailerSize = 4;
// A drop of the stored longitude from above the first to below the second crosses the line.
constexpr std::uint32_t lapEndLongitude = 20000;
constexpr std::uint32_t lapStartLongitude = 2000;
constexpr double trackUnit = TrackUnitMetres;
constexpr double angleUnit = 2.0 * 3.14159265358979323846 / 4096.0;

enum LapFlag : std::uint32_t {
    carMissing = 1,
    carSeen = 2,
    beganAtLine = 4,
    endedAtLine = 8,
};

LapStatus StatusOf(std::uint32_t flags) {
    if (flags == (carSeen | beganAtLine | endedAtLine))
        return LapStatus::Complete;
    return (flags & carSeen) ? LapStatus::PartlyRecorded : LapStatus::NotRecorded;
}

void Check(bool condition, const BinaryStream& stream, const char* description) {
    if (!condition)
        throw Util::XFileFormat(stream.GetName(), description);
}

// A stored position, shifted into track units as a signed 32-bit value.
double PositionInMetres(std::uint32_t stored) {
    return static_cast<std::int32_t>(stored << 8) * trackUnit;
}

}  // namespace

// Walks the frame data: gives every driver one sample per frame and finds the laps from the
// start-line crossings.
class N3RplFile::FrameReader {
public:
    explicit FrameReader(N3RplFile& replay)
        : replay(replay), lapCounters(replay.drivers.size(), 1), seen(replay.drivers.size(), false) {}

    void ReadFrame(Util::CharBuffer& frames);

private:
    void ReadCar(Util::CharBuffer& frames);
    void StartLapAtCrossing(Driver& driver, std::uint32_t& counter, std::uint32_t longitude);
    void EndFrame();

    N3RplFile& replay;
    std::vector<std::uint32_t> lapCounters;  // per driver: the mark that ends its current lap
    std::vector<bool> seen;                  // per driver: recorded in the current frame
};

void N3RplFile::FrameReader::ReadFrame(Util::CharBuffer& frames) {
    const std::uint64_t start = frames.GetPosition();
    std::fill(seen.begin(), seen.end(), false);
    const auto carCount = ReadValue<std::uint8_t>(frames);
    for (std::uint32_t car = 0; car < carCount; ++car)
        ReadCar(frames);
    for (std::uint32_t recordSize : skippedRecordSizes) {
        const std::uint32_t skipped = ReadValue<std::uint8_t>(frames) * recordSize;
        if (skipped > frames.GetRemaining())
            throw Util::XFileRead(frames.GetName());
        frames.Seek(frames.GetPosition() + skipped);
    }
    const std::uint64_t size = frames.GetPosition() + trailerSize - start;
    Check(ReadValue<std::uint32_t>(frames) == size, frames, "N3 rpl frame trailer size mismatch");
    EndFrame();
}

void N3RplFile::FrameReader::ReadCar(Util::CharBuffer& frames) {
    std::array<unsigned char, carRecordSize> bytes;
    frames.Read(carRecordSize, bytes.data());
    const Util::RecordView record(frames.GetName(), bytes.data(), bytes.size());
    const std::uint32_t index = record.Get<std::uint8_t>(0) >> 1;
    Check(index < replay.drivers.size(), frames, "N3 rpl car record driver index error");
    Sample sample;
    sample.valid = 1;
    // The longitude is the low 24 bits of the word at 1; the byte above it is the lateral offset's.
    sample.longitude = record.Get<std::uint32_t>(1) & 0xFFFFFFu;
    sample.lateral = record.Get<std::int16_t>(4);
    sample.angle = record.Get<std::uint16_t>(6);
    // A second record of a car in one frame would part sample indices from frame indices.
    if (seen[index])
        return;
    Driver& driver = replay.drivers[index];
    std::uint32_t& counter = lapCounters[index];
    if (counter == driver.laps.size())
        driver.laps.emplace_back();
    StartLapAtCrossing(driver, counter, sample.longitude);
    driver.samples.push_back(sample);
    seen[index] = true;
}

void N3RplFile::FrameReader::StartLapAtCrossing(Driver& driver, std::uint32_t& counter, std::uint32_t longitude) {
    if (driver.samples.empty() || longitude >= lapStartLongitude || driver.samples.back().longitude <= lapEndLongitude)
        return;
    driver.laps.emplace_back();
    if (driver.laps[counter].flags != 0) {
        driver.laps[counter].flags |= endedAtLine;
        driver.laps[counter + 1].flags |= beganAtLine;
    }
    ++counter;
}

void N3RplFile::FrameReader::EndFrame() {
    for (std::size_t index = 0; index < replay.drivers.size(); ++index) {
        Driver& driver = replay.drivers[index];
        if (!seen[index])
            driver.samples.emplace_back();
        const std::uint32_t counter = lapCounters[index];
        if (counter >= driver.laps.size())
            continue;
        driver.laps[counter].flags |= seen[index] ? carSeen : carMissing;
        if (seen[index])
            driver.laps[counter].lastFrame = static_cast<std::uint32_t>(driver.samples.size() - 1);
    }
}

N3RplFile::N3RplFile(BinaryStream& stream) {
    stream.Seek(0);
    const std::uint64_t fileSize = stream.GetSize();
    // A file too short for its header cannot have the size the header would give it.
    Check(fileSize >= headerSize, stream, "N3 rpl file size mismatch");
    const auto length1 = ReadValue<std::uint32_t>(stream);
    const auto length2 = ReadValue<std::uint32_t>(stream);
    const auto reserved = ReadValue<std::uint32_t>(stream);
    const auto driverCount = ReadValue<std::uint32_t>(stream);
    Check(fileSize == std::uint64_t{length1} + length2 + headerSize && fileSize < 0x100000000u, stream,
          "N3 rpl file size mismatch");
    Check(reserved == 0, stream, "N3 rpl header reserved not zero");
    Check(length1 == infoBlockSize, stream, "N3 rpl length1 error");
    Check(driverCount <= driverLimit, stream, "N3 rpl driver count above 79");
    Check(driverCount >= 2, stream, "N3 rpl fewer than two drivers");
    ReadInfoBlock(stream, driverCount);
    ReadFrames(stream, length2);
}

void N3RplFile::ReadInfoBlock(BinaryStream& stream, std::uint32_t driverCount) {
    std::vector<unsigned char> bytes(infoBlockSize);
    stream.Read(infoBlockSize, bytes.data());
    const Util::RecordView block(stream.GetName(), bytes);
    trackName = block.GetText(trackNameOffset, firstDriverOffset - trackNameOffset);
    drivers.resize(driverCount);
    for (std::uint32_t i = 0; i < driverCount; ++i) {
        const std::size_t entry = firstDriverOffset + driverEntrySize * i;
        drivers[i].name = block.GetText(entry, driverNameSize);
        drivers[i].carNumber = block.Get<std::uint8_t>(entry + driverNameSize);
        drivers[i].laps.resize(1);  // the start mark
    }
}

void N3RplFile::ReadFrames(BinaryStream& stream, std::uint32_t size) {
    // The file's size was checked, so it holds these bytes.
    std::vector<unsigned char> data(size);
    stream.Read(size, data.data());
    Util::CharBuffer frames(stream.GetName());
    frames.SetBuffer(size, data.data());
    FrameReader reader(*this);
    while (!frames.IsAtEnd())
        reader.ReadFrame(frames);
    for (Driver& driver : drivers) {
        for (std::size_t mark = 1; mark < driver.laps.size(); ++mark)
            driver.laps[mark].flags = static_cast<std::uint32_t>(StatusOf(driver.laps[mark].flags));
    }
    frameCount = static_cast<std::uint32_t>(drivers[GetPlayerIndex()].samples.size());
}

std::uint32_t N3RplFile::GetDriverCount() const { return static_cast<std::uint32_t>(drivers.size()); }

const N3RplFile::Driver& N3RplFile::DriverAt(std::uint32_t driver) const {
    TESSEL_CHECK(driver < drivers.size());
    return drivers[driver];
}

std::string N3RplFile::GetDriverName(std::uint32_t driver) const { return DriverAt(driver).name; }

std::string N3RplFile::GetCarNumber(std::uint32_t driver) const { return std::to_string(DriverAt(driver).carNumber); }

std::uint32_t N3RplFile::GetLapCount(std::uint32_t, std::uint32_t driver) const {
    return static_cast<std::uint32_t>(DriverAt(driver).laps.size() - 1);
}

const N3RplFile::LapMark& N3RplFile::LapEndMark(std::uint32_t driver, std::uint32_t lap) const {
    TESSEL_CHECK(lap < GetLapCount(0, driver));
    return drivers[driver].laps[lap + 1];
}

double N3RplFile::GetLapTime(std::uint32_t, std::uint32_t driver, std::uint32_t lap) const {
    const std::uint32_t end = LapEndMark(driver, lap).lastFrame;
    const std::uint32_t begin = drivers[driver].laps[lap].lastFrame;
    return (end - begin) * GetFrameInterval();
}

LapStatus N3RplFile::GetLapStatus(std::uint32_t, std::uint32_t driver, std::uint32_t lap) const {
    return static_cast<LapStatus>(LapEndMark(driver, lap).flags);
}

std::uint32_t N3RplFile::GetLapFirstFrame(std::uint32_t, std::uint32_t driver, std::uint32_t lap) const {
    LapEndMark(driver, lap);  // checks the lap
    return drivers[driver].laps[lap].lastFrame + 1;
}

std::uint32_t N3RplFile::GetLapEndFrame(std::uint32_t, std::uint32_t driver, std::uint32_t lap) const {
    return LapEndMark(driver, lap).lastFrame + 1;
}

const N3RplFile::Sample& N3RplFile::SampleAt(std::uint32_t driver, std::uint32_t frame) const {
    const Driver& entry = DriverAt(driver);
    TESSEL_CHECK(frame < entry.samples.size());
    return entry.samples[frame];
}

bool N3RplFile::IsSampleValid(std::uint32_t driver, std::uint32_t frame) const {
    const Driver& entry = DriverAt(driver);
    return frame < entry.samples.size() && entry.samples[frame].valid;
}

double N3RplFile::GetLongitude(std::uint32_t driver, std::uint32_t frame) const {
    return PositionInMetres(SampleAt(driver, frame).longitude);
}

double N3RplFile::GetLateral(std::uint32_t driver, std::uint32_t frame) const {
    return PositionInMetres(static_cast<std::uint32_t>(SampleAt(driver, frame).lateral));
}

double N3RplFile::GetAngle(std::uint32_t driver, std::uint32_t frame) const {
    return SampleAt(driver, frame).angle * angleUnit;
}

}  // namespace Tessel::Papy
