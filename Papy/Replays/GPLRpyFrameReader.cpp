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
      lapEndUnits(lapEndLongitude * replay.longitudeDivisor), drivers(replay.drivers.size()),
      samples(replay.samples) {
    for (std::size_t slot = 0; slot < drivers.size(); ++slot) {
        auto& lapTables = replay.drivers[slot].lapTables;
        if (lapTables.empty())
            continue;
        DriverState& driver = drivers[slot];
        driver.marks = &lapTables.back();
        driver.markCount = static_cast<std::uint32_t>(driver.marks->size());
        driver.LoadLap();
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
        StartFrame();
        ReadRecords(frameSize - frameHeaderSize);
        EndFrame();
    }
    StoreLaps();
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
        if (AddSample(replay.playerIndex, Sample(SampleKind::floats, index, 0, 0), longitude))
            replay.floatSamples.push_back(values);
        return;
    }
    const std::uint32_t longitude = Bits(view.Get<std::uint32_t>(body), 0, 26);
    AddSample(replay.playerIndex,
              Sample(SampleKind::playerCodes, longitude, Bits(view.Get<std::uint32_t>(body + 4), 0, playerLateralBits),
                     Bits(view.Get<std::uint32_t>(body + 8), 10, angleBits)),
              longitude);
}

void GPLRpyFrameReader::ReadCarSamples(std::size_t body, std::uint32_t bodySize) {
    const bool gpl = &layout == &gplLayout;
    for (std::size_t entry = body; entry < body + bodySize; entry += carEntrySize) {
        const auto position = view.Get<std::uint32_t>(entry + 4);
        const std::uint32_t slot = gpl ? position >> 26 : Bits(position, 24, 7);
        Check(slot < drivers.size(), *stream, "GPL rpy car sample driver slot error");
        if (gpl) {
            const std::uint32_t longitude = Bits(position, 0, 26);
            AddSample(slot,
                      Sample(SampleKind::carCodes, longitude, Bits(view.Get<std::uint32_t>(entry + 8), 0, 16),
                             Bits(view.Get<std::uint32_t>(entry + 12), 7, angleBits)),
                      longitude);
        } else {
            const std::uint32_t longitude = Bits(position, 0, 24);
            const auto attitude = view.Get<std::uint32_t>(entry + 12);
            AddSample(slot, Sample(SampleKind::carCodes, longitude, Bits(attitude, 12, 17), Bits(attitude, 0, angleBits)),
                      longitude);
        }
    }
}

void GPLRpyFrameReader::ReadClock(std::size_t body, std::uint32_t bodySize) {
    Check(bodySize >= 4, *stream, "GPL rpy session clock size error");
    clock = (view.Get<std::uint32_t>(body) >> 8) * 10;
}

// Gives every driver an unrecorded sample in the new frame, for its records to fill.
void GPLRpyFrameReader::StartFrame() {
    const std::size_t start = samples.size();
    samples.resize(start + drivers.size());
    frame = samples.data() + start;
    ++frames;
    clock.reset();
}

const GPLRpyFrameReader::Sample& GPLRpyFrameReader::SampleOf(std::uint32_t slot, std::uint32_t frameIndex) const {
    return samples[replay.SampleIndex(slot, frameIndex)];
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
bool GPLRpyFrameReader::AddSample(std::uint32_t slot, Sample sample, double longitude) {
    Sample& place = frame[slot];
    if (place.IsRecorded())
        return false;
    DriverState& driver = drivers[slot];
    // Most samples lie beyond the start line, so that test comes first.
    const bool crossed = longitude < lapStartUnits && driver.lastLongitude > lapEndUnits && frames > 1 &&
                         !beforeFirstClock;
    if (crossed && driver.lapCounter + 1 < driver.markCount)
        driver.EndLap();
    place = sample;
    driver.lastLongitude = longitude;
    return true;
}

void GPLRpyFrameReader::EndFrame() {
    for (std::uint32_t slot = 0; slot < drivers.size(); ++slot) {
        DriverState& driver = drivers[slot];
        const bool seen = frame[slot].IsRecorded();
        if (!seen)
            driver.lastLongitude = 0.0;
        if (!driver.marks)
            continue;
        if (clock)
            PassClock(driver, seen, *clock);
        if (clock && beforeFirstClock) {
            driver.StoreLap();
            WalkBackToFirstClock(slot);
            driver.LoadLap();
        }
        SpanLap(driver, seen);
    }
    if (clock)
        beforeFirstClock = false;
}

// Moves the driver past every lap-end time that the clock has reached.
void GPLRpyFrameReader::PassClock(DriverState& driver, bool seen, std::uint32_t time) {
    const std::uint32_t last = driver.markCount - 1;
    while (driver.lapCounter <= last) {
        if (driver.lapCounter == last && seen)
            driver.lap.endTime = time;
        if (time <= driver.lap.endTime || driver.lapCounter == last)
            break;
        driver.EndLap();
    }
    if (driver.HasLap())
        driver.lap.flags |= seen ? carSeen : carMissing;
}

// Before the first clock record crossings do not advance the laps; when it arrives, the samples
// so far are given to laps by walking back from the current one.
void GPLRpyFrameReader::WalkBackToFirstClock(std::uint32_t slot) {
    LapTable& marks = *drivers[slot].marks;
    std::uint32_t lap = drivers[slot].lapCounter;
    for (std::uint32_t n = frames; n > 0; --n) {
        const Sample& sample = SampleOf(slot, n - 1);
        if (!sample.IsRecorded()) {
            if (lap < marks.size())
                marks[lap].flags |= carMissing;
            continue;
        }
        // An unrecorded frame after the car is no crossing, just as going forward.
        if (n < frames && SampleOf(slot, n).IsRecorded() && replay.LongitudeOf(sample) > lapEndLongitude &&
            replay.LongitudeOf(SampleOf(slot, n)) < lapStartLongitude) {
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
void GPLRpyFrameReader::SpanLap(DriverState& driver, bool seen) {
    if (!seen || !driver.HasLap())
        return;
    if (driver.lap.firstFrame == unset)
        driver.lap.firstFrame = frames - 1;
    driver.lap.endFrame = frames;
}

void GPLRpyFrameReader::StoreLaps() const {
    for (const DriverState& driver : drivers)
        driver.StoreLap();
}

void GPLRpyFrameReader::DriverState::StoreLap() const {
    if (HasLap())
        (*marks)[lapCounter] = lap;
}

void GPLRpyFrameReader::DriverState::LoadLap() {
    if (HasLap())
        lap = (*marks)[lapCounter];
}

void GPLRpyFrameReader::DriverState::EndLap() {
    StoreLap();
    if (lap.flags != 0)
        MarkCrossing(*marks, lapCounter, 0);
    ++lapCounter;
    LoadLap();
}

}  // namespace Tessel::Papy
