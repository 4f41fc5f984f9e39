#include "Samples/N3RplWriter.h"

#include <cmath>
#include <numbers>

namespace Linewright::Samples {

namespace {

constexpr std::uint32_t infoBlockSize = 4061;
constexpr std::size_t trackNameOffset = 8;
constexpr std::size_t firstDriverOffset = 143;
constexpr std::size_t driverEntrySize = 49;  // a 48-byte name and the car number
constexpr double positionStep = 256 * 5.08e-05;  // metres per stored longitude or lateral step
constexpr std::array<std::size_t, 4> blockRecordSizes = {14, 7, 16, 13};

void PutLittleEndian(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

void PutText(std::string& block, std::size_t offset, const std::string& text, std::size_t size) {
    block.replace(offset, std::min(text.size(), size - 1), text.substr(0, size - 1));
}

std::string InfoBlock(const N3Script& script) {
    std::string block(infoBlockSize, '\0');
    PutText(block, trackNameOffset, script.trackName, firstDriverOffset - trackNameOffset);
    for (std::size_t i = 0; i < script.drivers.size(); ++i) {
        const std::size_t entry = firstDriverOffset + driverEntrySize * i;
        PutText(block, entry, script.drivers[i].name, driverEntrySize - 1);
        block[entry + driverEntrySize - 1] = static_cast<char>(script.drivers[i].carNumber);
    }
    return block;
}

std::string Frame(const N3Frame& frame) {
    std::string bytes;
    bytes.push_back(static_cast<char>(frame.cars.size()));
    for (const N3Car& car : frame.cars) {
        bytes.push_back(static_cast<char>(car.driver * 2));
        PutLittleEndian(bytes, car.longitude, 3);
        PutLittleEndian(bytes, static_cast<std::uint16_t>(car.lateral), 2);
        PutLittleEndian(bytes, car.angle, 2);
        bytes.append(3, '\x5a');  // not used
    }
    for (std::size_t block = 0; block < blockRecordSizes.size(); ++block) {
        bytes.push_back(static_cast<char>(frame.blockCounts[block]));
        bytes.append(blockRecordSizes[block] * frame.blockCounts[block], '\x11');
    }
    PutLittleEndian(bytes, static_cast<std::uint32_t>(bytes.size() + 4), 4);
    return bytes;
}

bool IsRecorded(const N3Drive& drive, std::uint32_t frame) {
    for (const auto& [first, end] : drive.gaps) {
        if (frame >= first && frame < end)
            return false;
    }
    return true;
}

N3Car CarAt(const N3Drive& drive, std::uint32_t frame, double trackLength) {
    if (drive.profile) {
        const LapProfile& profile = *drive.profile;
        const double distance = profile.DistanceAt(profile.TimeAt(drive.startLongitude) + frame / n3FramesPerSecond);
        const double longitude = std::fmod(distance, trackLength);
        return {drive.driver, N3Longitude(longitude), N3Lateral(profile.LateralAt(longitude)),
                N3Angle(profile.AngleAt(longitude))};
    }
    const double distance = drive.startLongitude + drive.speed * frame / n3FramesPerSecond;
    const double longitude = std::fmod(distance, trackLength);
    const double phase = 2.0 * std::numbers::pi * longitude / trackLength;
    return {drive.driver, N3Longitude(longitude), N3Lateral(drive.lateral + 2.5 * std::sin(phase)),
            N3Angle(0.04 * std::cos(phase))};
}

}  // namespace

std::uint32_t N3Longitude(double metres) {
    return static_cast<std::uint32_t>(std::lround(metres / positionStep)) & 0xFFFFFFu;
}

std::int16_t N3Lateral(double metres) { return static_cast<std::int16_t>(std::lround(metres / positionStep)); }

std::uint16_t N3Angle(double radians) {
    const double turns = radians / (2.0 * std::numbers::pi);
    return static_cast<std::uint16_t>(std::lround((turns - std::floor(turns)) * 4096.0) % 4096);
}

std::string WriteN3Rpl(const N3Script& script) {
    std::string frames;
    for (const N3Frame& frame : script.frames)
        frames += Frame(frame);
    std::string bytes;
    PutLittleEndian(bytes, infoBlockSize, 4);
    PutLittleEndian(bytes, static_cast<std::uint32_t>(frames.size()), 4);
    PutLittleEndian(bytes, 0, 4);  // reserved
    PutLittleEndian(bytes, static_cast<std::uint32_t>(script.drivers.size()), 4);
    return bytes + InfoBlock(script) + frames;
}

void AddN3Session(N3Script& script, const N3Session& session) {
    for (std::uint32_t index = 0; index < session.frameCount; ++index) {
        N3Frame frame;
        for (const N3Drive& drive : session.drives) {
            if (IsRecorded(drive, index))
                frame.cars.push_back(CarAt(drive, index, session.trackLength));
        }
        if (index % 10 == 0)
            frame.blockCounts = {1, 1, 1, 1};
        script.frames.push_back(std::move(frame));
    }
}

N3Script ExampleN3Script(double trackLength, double speed, double seconds) {
    N3Script script;
    script.drivers = {{"Rick Mears", 3}, {"Al Unser", 2}, {"Bobby Rahal", 18}};
    N3Session session;
    session.trackLength = trackLength;
    session.frameCount = static_cast<std::uint32_t>(seconds * n3FramesPerSecond);
    // Halfway round driver 2's second lap.
    const auto gapStart = static_cast<std::uint32_t>((20.0 + 1.5 * trackLength) / 40.0 * n3FramesPerSecond);
    session.drives = {{1, trackLength - 2.0 * speed, speed, 1.5, {}},
                      {0, trackLength / 2.0, 45.0, -2.0, {}},
                      {2, trackLength - 20.0, 40.0, 3.0, {{gapStart, gapStart + 15}}}};
    AddN3Session(script, session);
    return script;
}

}  // namespace Linewright::Samples
