#pragma once

#include "Papy/Replays/GPLRpyFile.h"
#include "Papy/Replays/GPLRpyFormat.h"
#include "Util/RecordView.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace Tessel::Papy {

// Walks the frames of the RPTP chunk: keeps the samples in their stored width, gives every
// driver one sample per frame and keeps each driver's newest lap table up to date with
// crossings and clock records. The chunk is read in blocks, a whole frame at a time in view,
// and never held whole.
class GPLRpyFrameReader {
public:
    // flags is the RPTP chunk's version.
    GPLRpyFrameReader(GPLRpyFile& replay, std::uint32_t flags);

    // Reads every frame of the `size` bytes of payload from the stream's position, which the
    // stream is known to hold; throws XFileFormat "GPL rpy ..." at the first fault.
    void ReadFrames(Util::BinaryStream& stream, std::uint32_t size);

private:
    using LapTable = GPLRpyFile::LapTable;
    using Sample = GPLRpyFile::Sample;
    using SampleKind = GPLRpyFile::SampleKind;
    static constexpr std::uint32_t unset = GPLRpyFile::unset;

    void View(std::uint32_t count);
    void ReadRecords(std::uint32_t remaining);
    void ReadPlayerSample(std::size_t body, std::uint32_t bodySize);
    void ReadCarSamples(std::size_t body, std::uint32_t bodySize);
    void ReadClock(std::size_t body, std::uint32_t bodySize);

    // What the reader keeps of each driver while walking the frames.
    struct DriverState {
        std::vector<Sample>* samples = nullptr;
        LapTable* marks = nullptr;     // the newest lap table; none without lap tables
        std::uint32_t lapCounter = 1;  // the mark that ends the current lap
        bool seen = false;             // recorded in the current frame
        double lastLongitude = 0.0;    // of the newest sample in raw units, 0 when not recorded
    };

    bool AddSample(DriverState& driver, const Sample& sample, double longitude);
    void AddCodes(std::uint32_t driver, SampleKind kind, std::uint32_t longitude, std::uint32_t lateralCode,
                  std::uint32_t angleCode);
    void EndFrame();
    void PassClock(DriverState& driver, std::uint32_t time);
    void WalkBackToFirstClock(const DriverState& driver);
    void SpanLap(const DriverState& driver);
    static void MarkCrossing(LapTable& marks, std::uint32_t mark, std::uint32_t setOnMark);

    GPLRpyFile& replay;
    const GPLRpyFormat::GameLayout& layout;
    const bool floatSamples;
    // The start-line crossing's bounds in raw longitude units.
    const double lapStartUnits;
    const double lapEndUnits;
    std::vector<DriverState> drivers;    // indexed by slot
    std::optional<std::uint32_t> clock;  // the current frame's session time, milliseconds
    bool beforeFirstClock = true;

    // The blocks of the chunk: bytes [at, filled) of the window are read and not yet walked.
    Util::BinaryStream* stream = nullptr;
    std::uint32_t unread = 0;  // the chunk's bytes not yet in the window
    std::vector<unsigned char> window;
    Util::RecordView view{"", nullptr, 0};
    std::size_t at = 0;
    std::size_t filled = 0;
};

}  // namespace Tessel::Papy
