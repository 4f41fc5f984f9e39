#pragma once

#include "Papy/Replays/GPLRpyFile.h"
#include "Papy/Replays/GPLRpyFormat.h"
#include "Util/CharBuffer.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace Tessel::Papy {

// Walks the frames of the RPTP chunk: decodes the samples, gives every driver one sample per
// frame and keeps each driver's newest lap table up to date with crossings and clock records.
class GPLRpyFrameReader {
public:
    // flags is the RPTP chunk's version.
    GPLRpyFrameReader(GPLRpyFile& replay, std::uint32_t flags);

    // Reads every frame of the payload; throws XFileFormat "GPL rpy ..." at the first fault.
    void ReadFrames(Util::CharBuffer& frames);

private:
    using LapTable = GPLRpyFile::LapTable;
    using Sample = GPLRpyFile::Sample;
    static constexpr std::uint32_t unset = GPLRpyFile::unset;

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
    const GPLRpyFormat::GameLayout& layout;
    const bool floatSamples;
    std::vector<std::uint32_t> lapCounters;  // per driver: the mark that ends its current lap
    std::vector<bool> seen;                  // per driver: recorded in the current frame
    std::optional<std::uint32_t> clock;      // the current frame's session time, milliseconds
    bool beforeFirstClock = true;
    std::vector<unsigned char> body;         // the record being decoded
};

}  // namespace Tessel::Papy
