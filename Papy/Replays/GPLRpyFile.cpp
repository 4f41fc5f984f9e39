#include "Papy/Replays/GPLRpyFile.h"

#include "Papy/Factory/FileHead.h"
#include "Util/BinaryStream.h"
#include "Util/CharBuffer.h"
#include "Util/Exception.h"
#include "Util/RecordView.h"

#include <algorithm>
#include <optional>

namespace Tessel::Papy {

using Util::BinaryStream;
using Util::RecordView;
using Util::XFileFormat;

namespace {

constexpr std::uint32_t replayId = FileIds::replay;
constexpr std::uint32_t lapTableId = PackId("LPTB");
constexpr std::uint32_t newestVersion = FileIds::n2003ReplayVersion;
constexpr std::uint32_t firstN4Version = FileIds::firstN4ReplayVersion;
constexpr std::uint32_t gplHeaderSize = 76;
constexpr std::uint32_t n4HeaderFixedSize = 60;
constexpr std::uint32_t chunkHeaderSize = 12;
constexpr std::uint32_t frameHeaderSize = 8;
constexpr std::uint32_t recordHeaderSize = 4;
constexpr std::uint32_t carEntrySize = 16;
constexpr std::uint32_t floatSamplesFlag = 0x20;
constexpr std::uint32_t quarterMillimetreFlag = 0x40;
constexpr double angleUnit = 0.0015347302;  // pi / 2047 radians
// A drop of a car's longitude from above the first to below the second is a start-line crossing.
constexpr double lapEndLongitude = 100.0;
constexpr double lapStartLongitude = 10.0;

enum RecordType : std::uint16_t { playerSample = 1, carSamples = 3, sessionClock = 13 };

// Bits of a lap mark while the frames are read.
enum LapFlag : std::uint32_t {
    carMissing = 1,
    carSeen = 2,
    beganAtLine = 4,
    endedAtLine = 8,
};

// What sets the three games apart, apart from the header layout.
struct GameLayout {
    const char* name;
    std::uint32_t trackRecordSize;
    std::uint32_t driverEntrySize;
    std::uint32_t slotOffset;
    std::uint32_t carNumberOffset;
    std::uint32_t playerSampleSize;
    // Car samples name slots in a field of this many values, so no driver slot lies beyond.
    std::uint32_t slotLimit;
    unsigned carLateralBits;
};

constexpr GameLayout gplLayout{"GPL", 181, 139, 124, 128, 28, 64, 16};
constexpr GameLayout n4Layout{"N4", 171, 171, 164, 152, 36, 128, 17};
constexpr GameLayout n2003Layout{"N2003", 173, 175, 168, 156, 36, 128, 17};

const GameLayout& LayoutOf(std::uint32_t version) {
    if (version < firstN4Version)
        return gplLayout;
    return version < newestVersion ? n4Layout : n2003Layout;
}

[[noreturn]] void Fail(const BinaryStream& stream, const std::string& description) {
    throw XFileFormat(stream.GetName(), description);
}

// A fault whose description names the game.
void Check(bool condition, const BinaryStream& stream, const GameLayout& layout, const char* fault) {
    if (!condition)
        Fail(stream, layout.name + std::string(fault));
}

struct ChunkHeader {
    std::uint32_t id;
    std::uint32_t version;
    std::uint32_t size;
};

ChunkHeader ReadChunkHeader(BinaryStream& stream) {
    ChunkHeader header{};
    header.id = Util::ReadValue<std::uint32_t>(stream);
    header.version = Util::ReadValue<std::uint32_t>(stream);
    header.size = Util::ReadValue<std::uint32_t>(stream);
    return header;
}

// Reads the header of a chunk that has only version 0, checking its id and then its version.
ChunkHeader ReadChunkHeader(BinaryStream& stream, std::uint32_t id, const char* idFault, const char* versionFault) {
    const ChunkHeader header = ReadChunkHeader(stream);
    if (header.id != id)
        Fail(stream, idFault);
    if (header.version != 0)
        Fail(stream, versionFault);
    return header;
}

// The next word, left unread; none when fewer than four bytes remain.
std::optional<std::uint32_t> PeekWord(BinaryStream& stream) {
    return Util::PeekValue<std::uint32_t>(stream, stream.GetPosition());
}

// The description is only made into a string on failure: frames are checked in a hot loop.
void Check(bool condition, const BinaryStream& stream, const char* description) {
    if (!condition)
        Fail(stream, description);
}

std::uint32_t Padding(std::uint32_t size) {
    return (4 - size % 4) % 4;
}

// Reads a payload of `size` bytes and the padding that rounds it up to a multiple of 4. The
// size is checked against the stream before anything is allocated for it.
std::vector<unsigned char> ReadPayload(BinaryStream& stream, std::uint32_t size) {
    if (size > stream.GetRemaining())
        throw Util::XFileRead(stream.GetName());
    std::vector<unsigned char> payload(size);
    stream.Read(size, payload.data());
    stream.Seek(std::min<std::uint64_t>(stream.GetPosition() + Padding(size), stream.GetSize()));
    return payload;
}

std::int32_t SignExtend(std::uint32_t value, unsigned bits) {
    const std::uint32_t signBit = 1u << (bits - 1);
    return static_cast<std::int32_t>((value ^ signBit) - signBit);
}

std::uint32_t Bits(std::uint32_t word, unsigned first, unsigned count) {
    return (word >> first) & ((1u << count) - 1);
}

double DecodeAngle(std::uint32_t word, unsigned first) {
    return SignExtend(Bits(word, first, 12), 12) * angleUnit;
}

LapStatus StatusOf(std::uint32_t flags) {
    if (flags == (carSeen | beganAtLine | endedAtLine))
        return LapStatus::Complete;
    return (flags & carSeen) ? LapStatus::PartlyRecorded : LapStatus::NotRecorded;
}

}  // namespace

// Walks the frames of the RPTP chunk: decodes the samples, gives every driver one sample per
// frame and keeps each driver's newest lap table up to date with crossings and clock records.
class GPLRpyFile::FrameReader {
public:
    FrameReader(GPLRpyFile& replay, std::uint32_t flags)
        : replay(replay), layout(LayoutOf(replay.version)),
          floatSamples(replay.version < firstN4Version && (flags & floatSamplesFlag)),
          lapCounters(replay.drivers.size(), 1), seen(replay.drivers.size(), false) {}

    void ReadFrames(Util::CharBuffer& frames);

private:
    void ReadRecords(Util::CharBuffer& frames, std::uint32_t remaining);
    void ReadPlayerSample(Util::CharBuffer& frames, std::uint32_t bodySize);
    void ReadCarSamples(Util::CharBuffer& frames, std::uint32_t bodySize);
    void ReadClock(Util::CharBuffer& frames, std::uint32_t bodySize);
    void AddSample(std::uint32_t driver, const Sample& sample);
    void EndFrame();
    void PassClock(std::uint32_t driver, std::uint32_t time);
    void WalkBackToFirstClock(std::uint32_t driver);
    void SpanLap(std::uint32_t driver);
    LapTable* NewestLapTable(std::uint32_t driver);
    void MarkCrossing(LapTable& marks, std::uint32_t mark, std::uint32_t setOnMark);
    double Longitude(std::uint32_t raw) const { return raw / replay.longitudeDivisor; }

    GPLRpyFile& replay;
    const GameLayout& layout;
    const bool floatSamples;
    std::vector<std::uint32_t> lapCounters;  // per driver: the mark that ends its current lap
    std::vector<bool> seen;                  // per driver: recorded in the current frame
    std::optional<std::uint32_t> clock;      // the current frame's session time, milliseconds
    bool beforeFirstClock = true;
    std::vector<unsigned char> body;         // the record being decoded
};

void GPLRpyFile::FrameReader::ReadFrames(Util::CharBuffer& frames) {
    std::optional<std::uint32_t> previousSize;
    while (!frames.IsAtEnd()) {
        const auto remaining = static_cast<std::uint32_t>(frames.GetRemaining());
        Check(remaining >= frameHeaderSize, frames, "GPL rpy no room for frame header");
        const auto frameSize = Util::ReadValue<std::uint16_t>(frames);
        const auto namedPreviousSize = Util::ReadValue<std::uint16_t>(frames);
        Util::ReadValue<std::uint32_t>(frames);  // not used
        Check(frameSize >= frameHeaderSize, frames, "GPL rpy frame header size error");
        Check(!previousSize || namedPreviousSize == *previousSize, frames,
              "GPL rpy frame header size mismatch");
        Check(frameSize <= remaining, frames, "GPL rpy frame size mismatch");
        previousSize = frameSize;
        std::fill(seen.begin(), seen.end(), false);
        clock.reset();
        ReadRecords(frames, frameSize - frameHeaderSize);
        EndFrame();
    }
}

void GPLRpyFile::FrameReader::ReadRecords(Util::CharBuffer& frames, std::uint32_t remaining) {
    while (remaining > 0) {
        Check(remaining >= recordHeaderSize, frames, "GPL rpy no room for type header");
        const auto type = Util::ReadValue<std::uint16_t>(frames);
        const auto size = Util::ReadValue<std::uint16_t>(frames);
        Check(size >= recordHeaderSize, frames, "GPL rpy type header size error");
        const std::uint32_t roundedSize = size + Padding(size);
        Check(roundedSize <= remaining, frames, "GPL rpy type size mismatch");
        remaining -= roundedSize;
        // Each record is decoded from its own bytes, whatever its size claims to hold.
        const std::uint32_t bodySize = roundedSize - recordHeaderSize;
        const std::uint64_t end = frames.GetPosition() + bodySize;
        if (type == playerSample)
            ReadPlayerSample(frames, bodySize);
        else if (type == carSamples)
            ReadCarSamples(frames, (size - recordHeaderSize) / carEntrySize * carEntrySize);
        else if (type == sessionClock)
            ReadClock(frames, bodySize);
        frames.Seek(end);
    }
}

void GPLRpyFile::FrameReader::ReadPlayerSample(Util::CharBuffer& frames, std::uint32_t bodySize) {
    Check(bodySize >= layout.playerSampleSize, frames,
          layout, " rpy player sample size error");
    body.resize(layout.playerSampleSize);
    frames.Read(layout.playerSampleSize, body.data());
    const RecordView record(frames.GetName(), body);
    Sample sample;
    sample.valid = true;
    if (floatSamples) {
        sample.longitude = record.Get<float>(16);
        sample.lateral = record.Get<float>(20);
        sample.angle = record.Get<float>(24);
    } else {
        sample.longitude = Longitude(Bits(record.Get<std::uint32_t>(0), 0, 26));
        sample.lateral = replay.playerQuantizer.Decode(SignExtend(Bits(record.Get<std::uint32_t>(4), 0, 20), 20));
        sample.angle = DecodeAngle(record.Get<std::uint32_t>(8), 10);
    }
    AddSample(replay.playerIndex, sample);
}

void GPLRpyFile::FrameReader::ReadCarSamples(Util::CharBuffer& frames, std::uint32_t bodySize) {
    body.resize(bodySize);
    frames.Read(bodySize, body.data());
    const RecordView record(frames.GetName(), body);
    const bool gpl = &layout == &gplLayout;
    for (std::uint32_t offset = 0; offset < bodySize; offset += carEntrySize) {
        const std::uint32_t position = record.Get<std::uint32_t>(offset + 4);
        const std::uint32_t slot = gpl ? position >> 26 : Bits(position, 24, 7);
        Check(slot < replay.drivers.size(), frames, "GPL rpy car sample driver slot error");
        Sample sample;
        sample.valid = true;
        sample.longitude = Longitude(gpl ? Bits(position, 0, 26) : Bits(position, 0, 24));
        if (gpl) {
            const std::uint32_t lateral = record.Get<std::uint32_t>(offset + 8);
            sample.lateral = replay.carQuantizer.Decode(SignExtend(Bits(lateral, 0, 16), 16));
            sample.angle = DecodeAngle(record.Get<std::uint32_t>(offset + 12), 7);
        } else {
            const std::uint32_t attitude = record.Get<std::uint32_t>(offset + 12);
            sample.lateral = replay.carQuantizer.Decode(SignExtend(Bits(attitude, 12, 17), 17));
            sample.angle = DecodeAngle(attitude, 0);
        }
        AddSample(slot, sample);
    }
}

void GPLRpyFile::FrameReader::ReadClock(Util::CharBuffer& frames, std::uint32_t bodySize) {
    Check(bodySize >= 4, frames, "GPL rpy session clock size error");
    clock = (Util::ReadValue<std::uint32_t>(frames) >> 8) * 10;
}

GPLRpyFile::LapTable* GPLRpyFile::FrameReader::NewestLapTable(std::uint32_t driver) {
    auto& tables = replay.drivers[driver].lapTables;
    return tables.empty() ? nullptr : &tables.back();
}

// A lap that ends at a start-line crossing, and the next one that begins there.
void GPLRpyFile::FrameReader::MarkCrossing(LapTable& marks, std::uint32_t mark, std::uint32_t setOnMark) {
    marks[mark].flags |= setOnMark | endedAtLine;
    if (mark + 1 < marks.size())
        marks[mark + 1].flags |= beganAtLine;
}

void GPLRpyFile::FrameReader::AddSample(std::uint32_t driver, const Sample& sample) {
    // A second sample of a car in one frame would part sample indices from frame indices.
    if (seen[driver])
        return;
    auto& samples = replay.drivers[driver].samples;
    LapTable* marks = NewestLapTable(driver);
    const bool crossed = marks && !samples.empty() && !beforeFirstClock &&
                         sample.longitude < lapStartLongitude &&
                         samples.back().longitude > lapEndLongitude;
    std::uint32_t& counter = lapCounters[driver];
    if (crossed && counter + 1 < marks->size()) {
        if ((*marks)[counter].flags != 0)
            MarkCrossing(*marks, counter, 0);
        ++counter;
    }
    samples.push_back(sample);
    seen[driver] = true;
}

void GPLRpyFile::FrameReader::EndFrame() {
    for (std::uint32_t driver = 0; driver < replay.drivers.size(); ++driver) {
        if (!seen[driver])
            replay.drivers[driver].samples.emplace_back();
        if (!NewestLapTable(driver))
            continue;
        if (clock)
            PassClock(driver, *clock);
        if (clock && beforeFirstClock)
            WalkBackToFirstClock(driver);
        SpanLap(driver);
    }
    if (clock)
        beforeFirstClock = false;
}

// Moves the driver past every lap-end time that the clock has reached.
void GPLRpyFile::FrameReader::PassClock(std::uint32_t driver, std::uint32_t time) {
    LapTable& marks = *NewestLapTable(driver);
    std::uint32_t& counter = lapCounters[driver];
    const std::uint32_t last = static_cast<std::uint32_t>(marks.size()) - 1;
    while (counter <= last) {
        if (counter == last && seen[driver])
            marks[counter].endTime = time;
        if (time <= marks[counter].endTime || counter == last)
            break;
        if (marks[counter].flags != 0)
            MarkCrossing(marks, counter, 0);
        ++counter;
    }
    if (counter <= last)
        marks[counter].flags |= seen[driver] ? carSeen : carMissing;
}

// Before the first clock record crossings do not advance the laps; when it arrives, the samples
// so far are given to laps by walking back from the current one.
void GPLRpyFile::FrameReader::WalkBackToFirstClock(std::uint32_t driver) {
    LapTable& marks = *NewestLapTable(driver);
    const auto& samples = replay.drivers[driver].samples;
    std::uint32_t lap = lapCounters[driver];
    for (auto n = static_cast<std::uint32_t>(samples.size()); n > 0; --n) {
        const Sample& sample = samples[n - 1];
        if (!sample.valid) {
            if (lap < marks.size())
                marks[lap].flags |= carMissing;
            continue;
        }
        // An unrecorded frame after the car is no crossing, just as going forward.
        if (n < samples.size() && samples[n].valid && sample.longitude > lapEndLongitude &&
            samples[n].longitude < lapStartLongitude) {
            TESSEL_CHECK(lap > 0);
            --lap;
            MarkCrossing(marks, lap, carSeen);
        }
        if (lap < marks.size()) {
            if (marks[lap].endFrame == unset)
                marks[lap].endFrame = n;
            marks[lap].firstFrame = n - 1;
        }
    }
}

// Stretches the driver's current lap over the frame just read.
void GPLRpyFile::FrameReader::SpanLap(std::uint32_t driver) {
    LapTable& marks = *NewestLapTable(driver);
    const std::uint32_t lap = lapCounters[driver];
    if (!seen[driver] || lap >= marks.size())
        return;
    const auto sampleCount = static_cast<std::uint32_t>(replay.drivers[driver].samples.size());
    if (marks[lap].firstFrame == unset)
        marks[lap].firstFrame = sampleCount - 1;
    marks[lap].endFrame = sampleCount;
}

GPLRpyFile::GPLRpyFile(BinaryStream& stream) {
    stream.Seek(0);
    const ChunkHeader replay = ReadChunkHeader(stream);
    Check(replay.id == replayId, stream, "GPL rpy file id not RPLY");
    Check(replay.version <= newestVersion, stream, "GPL rpy file unsupported version");
    version = replay.version;
    carQuantizer = TanQuantizer(LayoutOf(version).carLateralBits);
    ReadHeader(stream);
    ReadTrackRecord(stream);
    ReadDriverList(stream);
    FindPlayer(stream.GetName());
    ReadLapTables(stream);
    ReadFrames(stream);
}

void GPLRpyFile::ReadHeader(BinaryStream& stream) {
    const ChunkHeader header = ReadChunkHeader(stream);
    Check(header.id == PackId("RPHD"), stream, "GPL rpy header id not RPHD");
    Check(header.version <= 1, stream, "GPL rpy file header unsupported version");
    const bool gplLayoutUsed = version < firstN4Version && header.version == 0;
    if (gplLayoutUsed)
        Check(header.size == gplHeaderSize, stream, "GPL rpy file header size error");
    else
        Check(header.size >= n4HeaderFixedSize, stream, "N4 rpy file header size error");
    const std::vector<unsigned char> payload = ReadPayload(stream, header.size);
    const RecordView record(stream.GetName(), payload);
    // The N4 layout drops the GPL layout's 16 unused leading bytes and keeps a second value.
    const std::size_t base = gplLayoutUsed ? 16 : 0;
    frameCount = record.Get<std::uint32_t>(base);
    headerWord1 = record.Get<std::uint32_t>(base + 4);
    headerWord2 = record.Get<std::uint32_t>(base + 8);
    headerValues.push_back(headerWord2);
    if (!gplLayoutUsed)
        headerValues.push_back(record.Get<std::uint32_t>(12));
    firstName = record.GetText(base + 16, 16);
    lastName = record.GetText(base + 32, 16);
    for (std::size_t offset = base + 48; offset < base + 60; offset += 4)
        headerValues.push_back(record.Get<std::uint32_t>(offset));
    if (gplLayoutUsed)
        return;
    for (std::size_t offset = n4HeaderFixedSize; record.Holds(offset, 2); offset += 2) {
        const auto unit = record.Get<char16_t>(offset);
        if (unit == 0)
            break;
        headerText.push_back(unit);
    }
}

void GPLRpyFile::ReadTrackRecord(BinaryStream& stream) {
    const GameLayout& layout = LayoutOf(version);
    const ChunkHeader header =
        ReadChunkHeader(stream, PackId("WKNF"), "GPL rpy wknf not found", "GPL rpy wknf unsupported version");
    Check(header.size == layout.trackRecordSize, stream,
          layout, " rpy wknf size error");
    const std::vector<unsigned char> payload = ReadPayload(stream, header.size);
    trackName = RecordView(stream.GetName(), payload).GetText(0, payload.size());
}

void GPLRpyFile::ReadDriverList(BinaryStream& stream) {
    const ChunkHeader header = ReadChunkHeader(stream, PackId("DRLS"), "GPL rpy driver list id not DRLS",
                                               "GPL rpy driver list unsupported version");
    const GameLayout& layout = LayoutOf(version);
    const std::uint32_t chunkSize = chunkHeaderSize + layout.driverEntrySize + 1;
    Check(header.size % chunkSize == 0, stream, "GPL rpy driver list size error");
    for (std::uint32_t entry = 0; entry < header.size / chunkSize; ++entry)
        ReadDriverEntry(stream);
}

void GPLRpyFile::ReadDriverEntry(BinaryStream& stream) {
    const GameLayout& layout = LayoutOf(version);
    const ChunkHeader header = ReadChunkHeader(stream, PackId("DRNT"), "GPL rpy driver entry id not DRNT",
                                               "GPL rpy driver entry unsupported version");
    Check(header.size == layout.driverEntrySize, stream,
          layout, " rpy driver entry size error");
    const std::vector<unsigned char> payload = ReadPayload(stream, header.size);
    const RecordView record(stream.GetName(), payload);
    const std::uint32_t slot = record.Get<std::uint32_t>(layout.slotOffset);
    Check(slot < layout.slotLimit, stream, "GPL rpy driver entry slot error");
    Driver driver;
    driver.firstName = record.GetText(0, 16);
    driver.lastName = record.GetText(16, 16);
    driver.carNumber = record.Get<std::uint32_t>(layout.carNumberOffset);
    record.CopyTo(72, driver.kept.size(), driver.kept.data());
    if (drivers.size() <= slot)
        drivers.resize(slot + 1);
    drivers[slot] = std::move(driver);
}

void GPLRpyFile::FindPlayer(const std::string& streamName) {
    const auto player = std::find_if(drivers.begin(), drivers.end(), [this](const Driver& driver) {
        return driver.firstName == firstName && driver.lastName == lastName;
    });
    if (player == drivers.end())
        throw XFileFormat(streamName, "GPL/N4 rpy player driver not found");
    playerIndex = static_cast<std::uint32_t>(player - drivers.begin());
}

void GPLRpyFile::ReadLapTables(BinaryStream& stream) {
    while (PeekWord(stream) == lapTableId) {
        const ChunkHeader header = ReadChunkHeader(stream);
        Check(header.version == 0, stream, "GPL rpy lap table unsupported version");
        for (Driver& driver : drivers)
            driver.lapTables.push_back({LapMark{0}});
        std::uint32_t remaining = header.size;
        while (remaining > 0) {
            Check(remaining >= chunkHeaderSize, stream, "GPL rpy no room for lap read-out header");
            remaining -= chunkHeaderSize;
            const ChunkHeader readout = ReadChunkHeader(stream, PackId("LPRO"), "GPL rpy lap read-out id not LPRO",
                                                        "GPL rpy lap read-out unsupported version");
            Check(readout.size != 0 && readout.size % 4 == 0 && readout.size <= remaining, stream,
                  "GPL rpy lap read-out size error");
            remaining -= readout.size;
            ReadLapReadout(stream, readout.size);
        }
    }
}

// One driver's lap-end times, appended to that driver's newest lap table with an open end.
void GPLRpyFile::ReadLapReadout(BinaryStream& stream, std::uint32_t size) {
    const std::vector<unsigned char> payload = ReadPayload(stream, size);
    const RecordView record(stream.GetName(), payload);
    const std::uint32_t slot = record.Get<std::uint32_t>(0);
    Check(slot < drivers.size(), stream, "GPL rpy lap read-out driver slot error");
    LapTable& marks = drivers[slot].lapTables.back();
    marks.reserve(marks.size() + size / 4);
    for (std::uint32_t offset = 4; offset < size; offset += 4)
        marks.push_back(LapMark{Bits(record.Get<std::uint32_t>(offset), 0, 24)});
    marks.push_back(LapMark{unset});
}

void GPLRpyFile::ReadFrames(BinaryStream& stream) {
    const ChunkHeader header = ReadChunkHeader(stream);
    Check(header.id == PackId("RPTP"), stream, "GPL rpy type id not RPTP");
    Check((header.version & ~(floatSamplesFlag | quarterMillimetreFlag)) == 0, stream,
          "GPL rpy type unsupported version");
    longitudeDivisor = (header.version & quarterMillimetreFlag) ? 500.0 : 2000.0;
    const std::vector<unsigned char> payload = ReadPayload(stream, header.size);
    // Every frame takes at least a frame header, which bounds the samples worth reserving.
    const std::uint32_t frameLimit = std::min(frameCount, header.size / frameHeaderSize);
    for (Driver& driver : drivers)
        driver.samples.reserve(frameLimit);
    Util::CharBuffer frames(stream.GetName());
    frames.SetBuffer(header.size, payload.data());
    FrameReader(*this, header.version).ReadFrames(frames);
    for (Driver& driver : drivers) {
        if (driver.lapTables.empty())
            continue;
        LapTable& marks = driver.lapTables.back();
        for (std::size_t mark = 1; mark < marks.size(); ++mark)
            marks[mark].flags = static_cast<std::uint32_t>(StatusOf(marks[mark].flags));
    }
    frameCount = static_cast<std::uint32_t>(drivers[0].samples.size());
}

std::uint32_t GPLRpyFile::GetDriverCount() const {
    return static_cast<std::uint32_t>(drivers.size());
}

const GPLRpyFile::Driver& GPLRpyFile::DriverAt(std::uint32_t driver) const {
    TESSEL_CHECK(driver < drivers.size());
    return drivers[driver];
}

std::string GPLRpyFile::GetDriverName(std::uint32_t driver) const {
    const Driver& entry = DriverAt(driver);
    return entry.firstName + " " + entry.lastName;
}

std::string GPLRpyFile::GetCarNumber(std::uint32_t driver) const {
    const std::uint32_t number = DriverAt(driver).carNumber;
    if (number >= 2000 && number <= 2009)
        return {'0', static_cast<char>('0' + (number - 2000))};
    return std::to_string(number);
}

std::uint32_t GPLRpyFile::GetLapTableCount() const {
    return static_cast<std::uint32_t>(drivers[0].lapTables.size());
}

const GPLRpyFile::LapTable& GPLRpyFile::LapTableAt(std::uint32_t table, std::uint32_t driver) const {
    const Driver& entry = DriverAt(driver);
    TESSEL_CHECK(table < entry.lapTables.size());
    return entry.lapTables[table];
}

std::uint32_t GPLRpyFile::GetLapCount(std::uint32_t table, std::uint32_t driver) const {
    const LapTable& marks = LapTableAt(table, driver);
    return marks.empty() ? 0 : static_cast<std::uint32_t>(marks.size() - 1);
}

const GPLRpyFile::LapMark& GPLRpyFile::LapEndMark(std::uint32_t table, std::uint32_t driver,
                                                  std::uint32_t lap) const {
    const LapTable& marks = LapTableAt(table, driver);
    TESSEL_CHECK(lap < GetLapCount(table, driver));
    return marks[lap + 1];
}

double GPLRpyFile::GetLapTime(std::uint32_t table, std::uint32_t driver, std::uint32_t lap) const {
    const std::uint32_t end = LapEndMark(table, driver, lap).endTime;
    const std::uint32_t begin = LapTableAt(table, driver)[lap].endTime;
    return (static_cast<double>(end) - static_cast<double>(begin)) / 1000.0;
}

LapStatus GPLRpyFile::GetLapStatus(std::uint32_t table, std::uint32_t driver, std::uint32_t lap) const {
    return static_cast<LapStatus>(LapEndMark(table, driver, lap).flags);
}

std::uint32_t GPLRpyFile::GetLapFirstFrame(std::uint32_t table, std::uint32_t driver,
                                           std::uint32_t lap) const {
    return LapEndMark(table, driver, lap).firstFrame;
}

std::uint32_t GPLRpyFile::GetLapEndFrame(std::uint32_t table, std::uint32_t driver,
                                         std::uint32_t lap) const {
    return LapEndMark(table, driver, lap).endFrame;
}

std::uint32_t GPLRpyFile::GetHeaderValueCount() const {
    return static_cast<std::uint32_t>(headerValues.size());
}

std::uint32_t GPLRpyFile::GetHeaderValue(std::uint32_t index) const {
    TESSEL_CHECK(index < headerValues.size());
    return headerValues[index];
}

const GPLRpyFile::Sample& GPLRpyFile::SampleAt(std::uint32_t driver, std::uint32_t frame) const {
    const Driver& entry = DriverAt(driver);
    TESSEL_CHECK(frame < entry.samples.size());
    return entry.samples[frame];
}

bool GPLRpyFile::IsSampleValid(std::uint32_t driver, std::uint32_t frame) const {
    const Driver& entry = DriverAt(driver);
    return frame < entry.samples.size() && entry.samples[frame].valid;
}

double GPLRpyFile::GetLongitude(std::uint32_t driver, std::uint32_t frame) const {
    return SampleAt(driver, frame).longitude;
}

double GPLRpyFile::GetLateral(std::uint32_t driver, std::uint32_t frame) const {
    return SampleAt(driver, frame).lateral;
}

double GPLRpyFile::GetAngle(std::uint32_t driver, std::uint32_t frame) const {
    return SampleAt(driver, frame).angle;
}

}  // namespace Tessel::Papy
