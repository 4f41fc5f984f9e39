#include "Papy/Replays/GPLRpyFrameReader.h"

#include "Util/Exception.h"
#include "Util/RecordView.h"

#include <algorithm>

namespace Tessel::Papy {

using namespace GPLRpyFormat;
using Util::RecordView;

GPLRpyFrameReader::GPLRpyFrameReader(GPLRpyFile& replay, std::uint32_t flags)
    : replay(replay), layout(LayoutOf(replay.version)),
      floatSamples(replay.version < firstN4Version && (flags & floatSamplesFlag)),
      lapCounters(replay.drivers.size(), 1), seen(replay.drivers.size(), false) {}

void GPLRpyFrameReader::ReadFrames(Util::CharBuffer& frames) {
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

void GPLRpyFrameReader::ReadRecords(Util::CharBuffer& frames, std::uint32_t remaining) {
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

void GPLRpyFrameReader::ReadPlayerSample(Util::CharBuffer& frames, std::uint32_t bodySize) {
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

void GPLRpyFrameReader::ReadCarSamples(Util::CharBuffer& frames, std::uint32_t bodySize) {
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

void GPLRpyFrameReader::ReadClock(Util::CharBuffer& frames, std::uint32_t bodySize) {
    Check(bodySize >= 4, frames, "GPL rpy session clock size error");
    clock = (Util::ReadValue<std::uint32_t>(frames) >> 8) * 10;
}

GPLRpyFile::LapTable* GPLRpyFrameReader::NewestLapTable(std::uint32_t driver) {
    auto& tables = replay.drivers[driver].lapTables;
    return tables.empty() ? nullptr : &tables.back();
}

// A lap that ends at a start-line crossing, and the next one that begins there.
void GPLRpyFrameReader::MarkCrossing(LapTable& marks, std::uint32_t mark, std::uint32_t setOnMark) {
    marks[mark].flags |= setOnMark | endedAtLine;
    if (mark + 1 < marks.size())
        marks[mark + 1].flags |= beganAtLine;
}

void GPLRpyFrameReader::AddSample(std::uint32_t driver, const Sample& sample) {
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

void GPLRpyFrameReader::EndFrame() {
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
void GPLRpyFrameReader::PassClock(std::uint32_t driver, std::uint32_t time) {
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
void GPLRpyFrameReader::WalkBackToFirstClock(std::uint32_t driver) {
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
void GPLRpyFrameReader::SpanLap(std::uint32_t driver) {
    LapTable& marks = *NewestLapTable(driver);
    const std::uint32_t lap = lapCounters[driver];
    if (!seen[driver] || lap >= marks.size())
        return;
    const auto sampleCount = static_cast<std::uint32_t>(replay.drivers[driver].samples.size());
    if (marks[lap].firstFrame == unset)
        marks[lap].firstFrame = sampleCount - 1;
    marks[lap].endFrame = sampleCount;
}

}  // namespace Tessel::Papy
