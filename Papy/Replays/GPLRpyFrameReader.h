#pragma once

#include "Papy/Replays/GPLRpyFile.h"
#include "Papy/Replays/GPLRpyFormat.h"
#include "Util/RecordView.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace Tessel::Papy {

// Walks the frames of the RPTP chunk: keeps the samples in their stored width, gives every
// driver one sample per frame, a frame's samples side by side, and keeps each driver's newest
// lap table up to date with crossings and clock records. The chunk is read in blocks, a whole frame at a time in view,
// and never held whole.
class GPLRpyFrameReader {
public:
    // flags is the RPTP chunk's version.
    GPLRpyFrameReader(GPLRpyFile& replay, std::uint32_t flags);

    // Reads every frame of the `size` bytes of payload from the stream's position, which the
    // stream is known to hold; throws XFileFormat "GPL rpy ..." at the first fault.
    void ReadFrames(Util::BinaryStream& stream, std::uint32_t size);

private:
    using LapMark = GPLRpyFile::LapMark;
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
        LapTable* marks = nullptr;     // the newest lap table; none without lap tables
        std::uint32_t markCount = 0;
        std::uint32_t lapCounter = 1;  // the mark that ends the current lap
        // A working copy of mark lapCounter while there is one, written back when the lap
        // changes: every frame updates it, and the marks of twenty drivers lie far apart.
        LapMark lap{0};
        double lastLongitude = 0.0;  // of the newest sample in raw units, 0 when not recorded

        bool HasLap() const { return lapCounter < markCount; }
        void StoreLap() const;
        void LoadLap();
        // Moves on to the next lap, marking a start-line crossing if the lap was ever reached.
        void EndLap();
    };

    void StartFrame();
    // The driver's sample in frame frameIndex.
    const Sample& SampleOf(std::uint32_t slot, std::uint32_t frameIndex) const;
    bool AddSample(std::uint32_t slot, Sample sample, double longitude);
    void EndFrame();
    void PassClock(DriverState& driver, bool seen, std::uint32_t time);
    void WalkBackToFirstClock(std::uint32_t slot);
    void SpanLap(DriverState& driver, bool seen);
    static void MarkCrossing(LapTable& marks, std::uint32_t mark, std::uint32_t setOnMark);
    void StoreLaps() const;

    GPLRpyFile& replay;
    const GPLRpyFormat::GameLayout& layout;
    const bool floatSamples;
    // The start-line crossing's bounds in raw longitude units.
    const double lapStartUnits;
    const double lapEndUnits;
    std::vector<DriverState> drivers;    // indexed by slot
    GPLRpyFile::SampleTable& samples;    // the replay's, frame by frame
    std::uint32_t frames = 0;            // begun so far; the current one is the last
    Sample* frame = nullptr;             // the current frame's samples, one a slot
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
