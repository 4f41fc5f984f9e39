#include "Papy/Replays/GPLRpyFile.h"

#include "Papy/Replays/GPLRpyFormat.h"
#include "Papy/Replays/GPLRpyFrameReader.h"
#include "Util/BinaryStream.h"
#include "Util/Exception.h"
#include "Util/RecordView.h"

#include <algorithm>
#include <optional>

namespace Tessel::Papy {

using Util::BinaryStream;
using Util::RecordView;
using Util::XFileFormat;

namespace {

using namespace GPLRpyFormat;

constexpr std::uint32_t replayId = ReplayIds::replay;
constexpr std::uint32_t lapTableId = PackId("LPTB");
constexpr std::uint32_t gplHeaderSize = 76;
constexpr std::uint32_t n4HeaderFixedSize = 60;
constexpr std::uint32_t chunkHeaderSize = 12;
constexpr std::uint32_t quarterMillimetreFlag = 0x40;

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

// Throws XFileRead when the stream ends before `size` more bytes.
void CheckRemaining(BinaryStream& stream, std::uint32_t size) {
    if (size > stream.GetRemaining())
        throw Util::XFileRead(stream.GetName());
}

// Reads a payload of `size` bytes and the padding that rounds it up to a multiple of 4. The
// size is checked against the stream before anything is allocated for it.
std::vector<unsigned char> ReadPayload(BinaryStream& stream, std::uint32_t size) {
    CheckRemaining(stream, size);
    std::vector<unsigned char> payload(size);
    stream.Read(size, payload.data());
    stream.Seek(std::min<std::uint64_t>(stream.GetPosition() + Padding(size), stream.GetSize()));
    return payload;
}

LapStatus StatusOf(std::uint32_t flags) {
    if (flags == (carSeen | beganAtLine | endedAtLine))
        return LapStatus::Complete;
    return (flags & carSeen) ? LapStatus::PartlyRecorded : LapStatus::NotRecorded;
}

}  // namespace

GPLRpyFile::GPLRpyFile(BinaryStream& stream) {
    stream.Seek(0);
    const ChunkHeader replay = ReadChunkHeader(stream);
    Check(replay.id == replayId, stream, "GPL rpy file id not RPLY");
    Check(replay.version <= newestVersion, stream, "GPL rpy file unsupported version");
    version = replay.version;
    carLateralBits = LayoutOf(version).carLateralBits;
    carQuantizer = TanQuantizer(carLateralBits);
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
    CheckRemaining(stream, header.size);
    // Every frame takes at least a frame header, which bounds the samples worth reserving.
    const std::uint32_t frameLimit = std::min(frameCount, header.size / frameHeaderSize);
    samples.reserve(std::size_t{frameLimit} * drivers.size());
    GPLRpyFrameReader(*this, header.version).ReadFrames(stream, header.size);
    for (Driver& driver : drivers) {
        if (driver.lapTables.empty())
            continue;
        LapTable& marks = driver.lapTables.back();
        for (std::size_t mark = 1; mark < marks.size(); ++mark)
            marks[mark].flags = static_cast<std::uint32_t>(StatusOf(marks[mark].flags));
    }
    frameCount = static_cast<std::uint32_t>(samples.size() / drivers.size());
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
    TESSEL_CHECK(driver < drivers.size() && frame < frameCount);
    return samples[SampleIndex(driver, frame)];
}

bool GPLRpyFile::IsSampleValid(std::uint32_t driver, std::uint32_t frame) const {
    TESSEL_CHECK(driver < drivers.size());
    return frame < frameCount && SampleAt(driver, frame).IsRecorded();
}

double GPLRpyFile::LongitudeOf(const Sample& sample) const {
    switch (sample.GetKind()) {
    case SampleKind::notRecorded:
        return 0.0;
    case SampleKind::floats:
        return floatSamples[sample.GetLongitude()][0];
    default:
        return sample.GetLongitude() / longitudeDivisor;
    }
}

double GPLRpyFile::GetLongitude(std::uint32_t driver, std::uint32_t frame) const {
    return LongitudeOf(SampleAt(driver, frame));
}

double GPLRpyFile::GetLateral(std::uint32_t driver, std::uint32_t frame) const {
    const Sample& sample = SampleAt(driver, frame);
    switch (sample.GetKind()) {
    case SampleKind::notRecorded:
        return 0.0;
    case SampleKind::playerCodes:
        return playerQuantizer.Decode(SignExtend(sample.GetLateralCode(), playerLateralBits));
    case SampleKind::carCodes:
        return carQuantizer.Decode(SignExtend(sample.GetLateralCode(), carLateralBits));
    case SampleKind::floats:
        break;
    }
    return floatSamples[sample.GetLongitude()][1];
}

double GPLRpyFile::GetAngle(std::uint32_t driver, std::uint32_t frame) const {
    const Sample& sample = SampleAt(driver, frame);
    switch (sample.GetKind()) {
    case SampleKind::notRecorded:
        return 0.0;
    case SampleKind::floats:
        return floatSamples[sample.GetLongitude()][2];
    default:
        return SignExtend(sample.GetAngleCode(), angleBits) * angleUnit;
    }
}

}  // namespace Tessel::Papy
