#include "Papy/Replays/GPLRpyFrameReader.h"

#include "Util/Exception.h"
#include "Util/RecordView.h"

#include <algorithm>
#include <array>

namespace Tessel::Papy {

using namespace GPLRpyFormat;
using Util::RecordView;

namespace {

// The window holds a block and what is left of the frame before it: frame sizes are 16 bits.
constexpr std::size_t blockSize = 1 << 20;
constexpr std::size_t largestFrame = 0xFFFF;

}  // namespace

GPLRpyFrameReader::GPLRpyFrameReader(GPLRpyFile& replay, std::uint32_t flags)
    : replay(replay), layout(LayoutOf(replay.version)),
      floatSamples(replay.version < firstN4Version && (flags & floatSamplesFlag)),
      lapStartUnits(lapStartLongitude * replay.longitudeDivisor),
      lapEndUnits(lapEndLongitude * replay.longitudeDivisor), drivers(replay.drivers.size()) {
    for (std::size_t driver = 0; driver < drivers.size(); ++driver) {
        auto& lapTables = replay.drivers[driver].lapTables;
        drivers[driver].samples = &replay.drivers[driver].samples;
        drivers[driver].marks = lapTables.empty() ? nullptr : &lapTables.back();
    }
}

void GPLRpyFrameReader::ReadFrames(Util::BinaryStream& source, std::uint32_t size) {
    stream = &source;
    unread = size;
    window.resize(std::min<std::size_t>(size, blockSize + largestFrame));
    std::optional<std::uint32_t> previousSize;
    for (std::uint32_t remaining = size; remaining > 0; remaining -= *previousSize) {
        Check(remaining >= frameHeaderSize, source, "GPL rpy no room for frame header");
        View(frameHeaderSize);
        const auto frameSize = view.Get<std::uint16_t>(at);
        const auto namedPreviousSize = view.Get<std::uint16_t>(at + 2);
        Check(frameSize >= frameHeaderSize, source, "GPL rpy frame header size error");
        Check(!previousSize || namedPreviousSize == *previousSize, source, "GPL rpy frame header size mismatch");
        Check(frameSize <= remaining, source, "GPL rpy frame size mismatch");
        previousSize = frameSize;
        View(frameSize);
        at += frameHeaderSize;
        for (DriverState& driver : drivers)
            driver.seen = false;
        clock.reset();
        ReadRecords(frameSize - frameHeaderSize);
        EndFrame();
    }
}

// Brings the next count bytes of the chunk into the window from `at` on; the chunk holds them.
void GPLRpyFrameReader::View(std::uint32_t count) {
    if (filled - at >= count)
        return;
    std::copy(window.begin() + static_cast<std::ptrdiff_t>(at), window.begin() + static_cast<std::ptrdiff_t>(filled),
              window.begin());
    filled -= at;
    at = 0;
    const auto more = static_cast<std::uint32_t>(std::min<std::size_t>(window.size() - filled, unread));
    stream->Read(more, window.data() + filled);
    filled += more;
    unread -= more;
    view = RecordView(stream->GetName(), window.data(), filled);
}

void GPLRpyFrameReader::ReadRecords(std::uint32_t remaining) {
    while (remaining > 0) {
        Check(remaining >= recordHeaderSize, *stream, "GPL rpy no room for type header");
        const auto type = view.Get<std::uint16_t>(at);
        const auto size = view.Get<std::uint16_t>(at + 2);
        Check(size >= recordHeaderSize, *stream, "GPL rpy type header size error");
        const std::uint32_t roundedSize = size + Padding(size);
        Check(roundedSize <= remaining, *stream, "GPL rpy type size mismatch");
        remaining -= roundedSize;
        // Each record is decoded from its own bytes, whatever its size claims to hold.
        const std::uint32_t bodySize = roundedSize - recordHeaderSize;
        const std::size_t body = at + recordHeaderSize;
        if (type == playerSample)
            ReadPlayerSample(body, bodySize);
        else if (type == carSamples)
            ReadCarSamples(body, (size - recordHeaderSize) / carEntrySize * carEntrySize);
        else if (type == sessionClock)
            ReadClock(body, bodySize);
        at += roundedSize;
    }
}

void GPLRpyFrameReader::ReadPlayerSample(std::size_t body, std::uint32_t bodySize) {
    Check(bodySize >= layout.playerSampleSize, *stream,
          layout, " rpy player sample size error");
    if (floatSamples) {
        const std::array<float, 3> values{view.Get<float>(body + 16), view.Get<float>(body + 20),
                                          view.Get<float>(body + 24)};
        const auto index = static_cast<std::uint32_t>(replay.floatSamples.size());
        // In raw units: a float's product with the divisor is exact in double precision.
        const double longitude = values[0] * replay.longitudeDivisor;
        if (AddSample(drivers[replay.playerIndex], Sample(SampleKind::floats, index, 0, 0), longitude))
            replay.floatSamples.push_back(values);
        return;
    }
    AddCodes(replay.playerIndex, SampleKind::playerCodes, Bits(view.Get<std::uint32_t>(body), 0, 26),
             Bits(view.Get<std::uint32_t>(body + 4), 0, playerLateralBits),
             Bits(view.Get<std::uint32_t>(body + 8), 10, angleBits));
}

void GPLRpyFrameReader::ReadCarSamples(std::size_t body, std::uint32_t bodySize) {
    const bool gpl = &layout == &gplLayout;
    for (std::size_t entry = body; entry < body + bodySize; entry += carEntrySize) {
        const auto position = view.Get<std::uint32_t>(entry + 4);
        const std::uint32_t slot = gpl ? position >> 26 : Bits(position, 24, 7);
        Check(slot < drivers.size(), *stream, "GPL rpy car sample driver slot error");
        if (gpl) {
            AddCodes(slot, SampleKind::carCodes, Bits(position, 0, 26), Bits(view.Get<std::uint32_t>(entry + 8), 0, 16),
                     Bits(view.Get<std::uint32_t>(entry + 12), 7, angleBits));
        } else {
            const auto attitude = view.Get<std::uint32_t>(entry + 12);
            AddCodes(slot, SampleKind::carCodes, Bits(position, 0, 24), Bits(attitude, 12, 17),
                     Bits(attitude, 0, angleBits));
        }
    }
}

void GPLRpyFrameReader::ReadClock(std::size_t body, std::uint32_t bodySize) {
    Check(bodySize >= 4, *stream, "GPL rpy session clock size error");
    clock = (view.Get<std::uint32_t>(body) >> 8) * 10;
}

void GPLRpyFrameReader::AddCodes(std::uint32_t driver, SampleKind kind, std::uint32_t longitude,
                                 std::uint32_t lateralCode, std::uint32_t angleCode) {
    AddSample(drivers[driver], Sample(kind, longitude, lateralCode, angleCode), longitude);
}

// A lap that ends at a start-line crossing, and the next one that begins there.
void GPLRpyFrameReader::MarkCrossing(LapTable& marks, std::uint32_t mark, std::uint32_t setOnMark) {
    marks[mark].flags |= setOnMark | endedAtLine;
    if (mark + 1 < marks.size())
        marks[mark + 1].flags |= beganAtLine;
}

// False when the driver already has a sample in this frame: a second one would part sample
// indices from frame indices, so it is dropped. The longitude is in raw units, which compare
// with the crossing bounds in raw units exactly as the metres would with theirs.
bool GPLRpyFrameReader::AddSample(DriverState& driver, const Sample& sample, double longitude) {
    if (driver.seen)
        return false;
    LapTable* marks = driver.marks;
    const bool crossed = marks && !driver.samples->empty() && !beforeFirstClock && longitude < lapStartUnits &&
                         driver.lastLongitude > lapEndUnits;
    if (crossed && driver.lapCounter + 1 < marks->size()) {
        if ((*marks)[driver.lapCounter].flags != 0)
            MarkCrossing(*marks, driver.lapCounter, 0);
        ++driver.lapCounter;
    }
    driver.samples->push_back(sample);
    driver.lastLongitude = longitude;
    driver.seen = true;
    return true;
}

void GPLRpyFrameReader::EndFrame() {
    for (DriverState& driver : drivers) {
        if (!driver.seen) {
            driver.samples->emplace_back();
            driver.lastLongitude = 0.0;
        }
        if (!driver.marks)
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
void GPLRpyFrameReader::PassClock(DriverState& driver, std::uint32_t time) {
    LapTable& marks = *driver.marks;
    std::uint32_t& counter = driver.lapCounter;
    const std::uint32_t last = static_cast<std::uint32_t>(marks.size()) - 1;
    while (counter <= last) {
        if (counter == last && driver.seen)
            marks[counter].endTime = time;
        if (time <= marks[counter].endTime || counter == last)
            break;
        if (marks[counter].flags != 0)
            MarkCrossing(marks, counter, 0);
        ++counter;
    }
    if (counter <= last)
        marks[counter].flags |= driver.seen ? carSeen : carMissing;
}

// Before the first clock record crossings do not advance the laps; when it arrives, the samples
// so far are given to laps by walking back from the current one.
void GPLRpyFrameReader::WalkBackToFirstClock(const DriverState& driver) {
    LapTable& marks = *driver.marks;
    const auto& samples = *driver.samples;
    std::uint32_t lap = driver.lapCounter;
    for (auto n = static_cast<std::uint32_t>(samples.size()); n > 0; --n) {
        const Sample& sample = samples[n - 1];
        if (!sample.IsRecorded()) {
            if (lap < marks.size())
                marks[lap].flags |= carMissing;
            continue;
        }
        // An unrecorded frame after the car is no crossing, just as going forward.
        if (n < samples.size() && samples[n].IsRecorded() && replay.LongitudeOf(sample) > lapEndLongitude &&
            replay.LongitudeOf(samples[n]) < lapStartLongitude) {
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
void GPLRpyFrameReader::SpanLap(const DriverState& driver) {
    LapTable& marks = *driver.marks;
    const std::uint32_t lap = driver.lapCounter;
    if (!driver.seen || lap >= marks.size())
        return;
    const auto sampleCount = static_cast<std::uint32_t>(driver.samples->size());
    if (marks[lap].firstFrame == unset)
        marks[lap].firstFrame = sampleCount - 1;
    marks[lap].endFrame = sampleCount;
}

}  // namespace Tessel::Papy
