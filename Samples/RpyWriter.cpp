#include "Samples/RpyWriter.h"

#include <cmath>
#include <cstring>
#include <numbers>

namespace Linewright::Samples {

namespace {

bool IsGpl(const RpyScript& script) {
    return script.version < 3;
}

// Sizes that differ between GPL, N4 and N2003.
std::uint32_t TrackRecordSize(std::uint32_t version) {
    return version < 3 ? 181 : version < 5 ? 171 : 173;
}

std::uint32_t DriverEntrySize(std::uint32_t version) {
    return version < 3 ? 139 : version < 5 ? 171 : 175;
}

class Bytes {
public:
    void Word(std::uint32_t value) { Raw(&value, 4); }
    void Half(std::uint16_t value) { Raw(&value, 2); }
    void Float(float value) { Raw(&value, 4); }
    // A fixed field of `size` bytes holding text and NUL fill.
    void Text(const std::string& text, std::size_t size) {
        std::string field = text.substr(0, size - 1);
        field.resize(size, '\0');
        data += field;
    }
    void Zeros(std::size_t count) { data.append(count, '\0'); }
    void Append(const std::string& bytes) { data += bytes; }
    // Overwrites a word already written.
    void WordAt(std::size_t offset, std::uint32_t value) { std::memcpy(data.data() + offset, &value, 4); }
    std::size_t Size() const { return data.size(); }
    const std::string& Data() const { return data; }

private:
    void Raw(const void* value, std::size_t size) { data.append(static_cast<const char*>(value), size); }
    std::string data;
};

// Lateral offsets are stored as codes on a tangent scale reaching +-300 m at the largest code.
std::int32_t LateralCode(double lateral, unsigned bits) {
    const double largestCode = std::pow(2.0, bits - 1) - 1.0;
    const double limit = std::atan(1.0 / std::sqrt(512.0));
    const double scale = 300.0 / std::tan(limit);
    return static_cast<std::int32_t>(std::lround(std::atan(lateral / scale) / limit * largestCode));
}

std::uint32_t AngleCode(double angle) {
    return static_cast<std::uint32_t>(std::lround(angle / (std::numbers::pi / 2047.0))) & 0xFFF;
}

std::uint32_t Field(std::int32_t code, unsigned bits) {
    return static_cast<std::uint32_t>(code) & ((1u << bits) - 1);
}

std::uint32_t RawLongitude(const RpyScript& script, double longitude) {
    return static_cast<std::uint32_t>(std::lround(longitude * (script.quarterMillimetres ? 500.0 : 2000.0)));
}

std::string Header(const RpyScript& script) {
    Bytes payload;
    const bool shortLayout = IsGpl(script) && script.headerVersion == 0;
    if (shortLayout)
        payload.Zeros(16);
    payload.Word(script.frameCountHint);
    payload.Word(script.headerWord1);
    payload.Word(script.headerWord2);
    payload.Word(shortLayout ? 0 : script.moreHeaderValues[0]);
    payload.Text(script.playerFirstName, 16);
    payload.Text(script.playerLastName, 16);
    for (std::size_t value = 1; value < 4; ++value)
        payload.Word(script.moreHeaderValues[value]);
    if (!shortLayout) {
        for (char16_t unit : script.headerText)
            payload.Half(unit);
        payload.Half(0);
    }
    return RpyChunk("RPHD", script.headerVersion, payload.Data());
}

std::string DriverList(const RpyScript& script) {
    const std::uint32_t size = DriverEntrySize(script.version);
    const std::size_t slotOffset = script.version < 3 ? 124 : script.version < 5 ? 164 : 168;
    const std::size_t numberOffset = script.version < 3 ? 128 : script.version < 5 ? 152 : 156;
    std::string entries;
    for (const RpyDriver& driver : script.drivers) {
        Bytes entry;
        entry.Text(driver.firstName, 16);
        entry.Text(driver.lastName, 16);
        entry.Zeros(size - 32);
        for (std::uint32_t kept = 72; kept < 104; kept += 4)  // uninterpreted bytes
            entry.WordAt(kept, 0xC0FFEE00u | kept);
        entry.WordAt(slotOffset, driver.slot);
        entry.WordAt(numberOffset, driver.carNumber);
        entries += RpyChunk("DRNT", 0, entry.Data());
    }
    return RpyChunk("DRLS", 0, entries);
}

std::string LapTable(const std::vector<RpyLapReadout>& readouts) {
    std::string chunks;
    for (const RpyLapReadout& readout : readouts) {
        Bytes payload;
        payload.Word(readout.slot);
        for (std::uint32_t time : readout.endTimes)
            payload.Word(time | 0xA5000000u);  // only the low 24 bits hold the time
        chunks += RpyChunk("LPRO", 0, payload.Data());
    }
    return RpyChunk("LPTB", 0, chunks);
}

void AddRecord(Bytes& frame, std::uint16_t type, const std::string& body) {
    frame.Half(type);
    frame.Half(static_cast<std::uint16_t>(4 + body.size()));
    frame.Append(body);
    frame.Zeros((4 - body.size() % 4) % 4);
}

std::string PlayerSample(const RpyScript& script, const RpyPosition& position) {
    Bytes body;
    if (IsGpl(script) && script.floatSamples) {
        body.Zeros(16);
        body.Float(static_cast<float>(position.longitude));
        body.Float(static_cast<float>(position.lateral));
        body.Float(static_cast<float>(position.angle));
        return body.Data();
    }
    body.Word(RawLongitude(script, position.longitude) | 0xFC000000u);  // bits 26 on unused
    body.Word(Field(LateralCode(position.lateral, 20), 20) | 0xFFF00000u);
    body.Word(AngleCode(position.angle) << 10 | 0x3FFu);
    body.Zeros(IsGpl(script) ? 16 : 24);
    return body.Data();
}

std::string CarSamples(const RpyScript& script, const std::vector<RpyCar>& cars) {
    Bytes body;
    for (const RpyCar& car : cars) {
        const std::uint32_t raw = RawLongitude(script, car.position.longitude);
        body.Word(0xDEADBEEFu);
        if (IsGpl(script)) {
            body.Word(raw | car.slot << 26);
            body.Word(Field(LateralCode(car.position.lateral, 16), 16) | 0xBEEF0000u);
            body.Word(AngleCode(car.position.angle) << 7 | 0x7Fu);
        } else {
            body.Word(raw | car.slot << 24 | 0x80000000u);
            body.Word(0xDEADBEEFu);
            body.Word(Field(LateralCode(car.position.lateral, 17), 17) << 12 | AngleCode(car.position.angle));
        }
    }
    return body.Data();
}

std::string Frame(const RpyScript& script, const RpyFrame& frame, std::uint16_t previousSize) {
    Bytes records;
    if (frame.unknownRecord)
        AddRecord(records, 7, "skip me!!!");
    if (frame.clock) {
        Bytes clock;
        clock.Word(*frame.clock << 8 | 0x5A);
        AddRecord(records, 13, clock.Data());
    }
    if (frame.player)
        AddRecord(records, 1, PlayerSample(script, *frame.player));
    if (!frame.cars.empty())
        AddRecord(records, 3, CarSamples(script, frame.cars));
    Bytes whole;
    whole.Half(static_cast<std::uint16_t>(8 + records.Size()));
    whole.Half(previousSize);
    whole.Word(0);
    whole.Append(records.Data());
    return whole.Data();
}

std::string Frames(const RpyScript& script) {
    std::string frames;
    std::uint16_t previousSize = 0;
    for (const RpyFrame& frame : script.frames) {
        const std::string bytes = Frame(script, frame, previousSize);
        previousSize = static_cast<std::uint16_t>(bytes.size());
        frames += bytes;
    }
    const std::uint32_t flags = (script.floatSamples ? 0x20 : 0) | (script.quarterMillimetres ? 0x40 : 0);
    return RpyChunk("RPTP", flags, frames);
}

}  // namespace

std::string RpyChunk(const char* id, std::uint32_t version, const std::string& payload) {
    Bytes chunk;
    for (int character = 3; character >= 0; --character)  // the id's characters in reverse
        chunk.Append(std::string(1, id[character]));
    chunk.Word(version);
    chunk.Word(static_cast<std::uint32_t>(payload.size()));
    chunk.Append(payload);
    chunk.Zeros((4 - payload.size() % 4) % 4);
    return chunk.Data();
}

std::string WriteRpy(const RpyScript& script) {
    Bytes track;
    track.Text(script.trackName, TrackRecordSize(script.version));
    std::string body = Header(script) + RpyChunk("WKNF", 0, track.Data()) + DriverList(script);
    for (const auto& table : script.lapTables)
        body += LapTable(table);
    body += Frames(script);
    // The outermost chunk's header comes first, its size counting everything after it.
    Bytes replay;
    replay.Append("YLPR");
    replay.Word(script.version);
    replay.Word(static_cast<std::uint32_t>(body.size()));
    return replay.Data() + body;
}

namespace {

bool IsRecorded(const RpyDrive& drive, std::uint32_t frame) {
    for (const auto& [first, end] : drive.gaps) {
        if (frame >= first && frame < end)
            return false;
    }
    return true;
}

RpyPosition PositionAt(const RpyDrive& drive, std::uint32_t frame, double trackLength) {
    if (drive.profile) {
        const LapProfile& profile = *drive.profile;
        const double distance = profile.DistanceAt(profile.TimeAt(drive.startLongitude) + frame / rpyFramesPerSecond);
        const double longitude = std::fmod(distance, trackLength);
        return {longitude, profile.LateralAt(longitude), profile.AngleAt(longitude)};
    }
    const double distance = drive.startLongitude + drive.speed * frame / rpyFramesPerSecond;
    const double longitude = std::fmod(distance, trackLength);
    const double phase = 2.0 * std::numbers::pi * longitude / trackLength;
    return {longitude, drive.lateral + 3.0 * std::sin(phase), 0.05 * std::cos(phase)};
}

// The times at which the car reaches the start line within the session's frames.
RpyLapReadout Crossings(const RpyDrive& drive, const RpySession& session) {
    RpyLapReadout readout{drive.slot, {}};
    const double sessionEnd = (session.frameCount - 1) / rpyFramesPerSecond;
    for (double lap = 1.0;; lap += 1.0) {
        const double distance = lap * session.trackLength;
        const double time = drive.profile ? drive.profile->TimeAt(distance) - drive.profile->TimeAt(drive.startLongitude)
                                          : (distance - drive.startLongitude) / drive.speed;
        if (time > sessionEnd)
            return readout;
        readout.endTimes.push_back(static_cast<std::uint32_t>(std::ceil(time * 1000.0)));
    }
}

}  // namespace

void AddSession(RpyScript& script, const RpySession& session) {
    std::vector<RpyLapReadout> table;
    for (const RpyDrive& drive : session.drives)
        table.push_back(Crossings(drive, session));
    script.lapTables.push_back(std::move(table));
    for (std::uint32_t index = 0; index < session.frameCount; ++index) {
        RpyFrame frame;
        if (index >= session.firstClockFrame)
            frame.clock = index * 100 / 36;
        for (const RpyDrive& drive : session.drives) {
            if (!IsRecorded(drive, index))
                continue;
            const RpyPosition position = PositionAt(drive, index, session.trackLength);
            if (drive.player)
                frame.player = position;
            else
                frame.cars.push_back({drive.slot, position});
        }
        script.frames.push_back(std::move(frame));
    }
}

RpyScript ExampleRpyScript(std::uint32_t version, bool floatSamples) {
    RpyScript script;
    script.version = version;
    script.floatSamples = floatSamples;
    script.headerText = u"Practice";
    script.drivers = {{"Graham", "Hill", 0, 2000}, {"Jim", "Clark", 1, 7}, {"Dan", "Gurney", 3, 2010}};
    RpySession session;
    session.frameCount = 60 * 36;
    session.drives = {{0, false, 500.0, 55.0, -2.0, {}},
                      {1, true, 900.0, 48.0, 1.5, {}},
                      {3, false, 950.0, 52.0, 4.0, {{900, 936}}}};
    AddSession(script, session);
    for (std::size_t frame = 0; frame < script.frames.size(); frame += 10)
        script.frames[frame].unknownRecord = true;
    script.frameCountHint = session.frameCount;
    return script;
}

RpyScript HourLongRpyScript() {
    RpyScript script;
    script.version = 2;
    script.drivers.push_back({"Jim", "Clark", 0, 1});
    RpySession session;
    session.trackLength = 5000.0;
    session.frameCount = 3600 * 36;
    session.drives.push_back({0, true, 0.0, 60.0, 0.0, {}});
    for (std::uint32_t slot = 1; slot < 20; ++slot) {
        script.drivers.push_back({"Car", std::to_string(slot), slot, slot + 1});
        session.drives.push_back({slot, false, 240.0 * slot, 55.0 + slot * 0.5, slot % 5 - 2.0, {}});
    }
    AddSession(script, session);
    script.frameCountHint = session.frameCount;
    return script;
}

}  // namespace Linewright::Samples
