#pragma once

#include "Linewright/LapList.h"
#include "Papy/Replays/RpyFile.h"
#include "Papy/Tracks/Track.h"
#include "Papy/Tracks/Trk/TrkTrack.h"
#include "Util/CharBuffer.h"
#include "Util/Exception.h"

#include <cstddef>
#include <cstdint>
#include <memory>

// What the fuzz targets ask of a file once its reader has accepted it: every question the
// program asks later, so that a reader that accepts what its accessors cannot answer shows.
namespace Linewright::Fuzz {

// Lists the complete laps and reads the samples of each.
inline void WalkCompleteLaps(const Tessel::Papy::RpyFile& replay) {
    for (const auto& entry : ListCompleteLaps(replay)) {
        const auto [table, driver, lap] = entry.lap;
        replay.GetLapTime(table, driver, lap);
        const std::uint32_t end = replay.GetLapEndFrame(table, driver, lap);
        for (std::uint32_t frame = replay.GetLapFirstFrame(table, driver, lap); frame < end; ++frame) {
            if (replay.IsSampleValid(driver, frame))
                replay.GetLongitude(driver, frame);
        }
    }
}

// Asks every segment for its arc, a point, its strips, walls and lines, and the track for points.
inline void QueryTrack(const Tessel::Papy::Track& track) {
    for (std::uint32_t s = 0; s < track.GetSegmentCount(); ++s) {
        const auto segment = track.GetSegment(s);
        double x, y, radius, angle;
        segment->GetArc(x, y, radius, angle);
        segment->GetPoint(segment->Get2DLength() / 2.0, 1.0);
        for (std::uint32_t j = 0; j < segment->GetFSectionCount(); ++j)
            segment->GetFSection(j)->GetType();
        for (std::uint32_t w = 0; w < segment->GetWSectionCount(); ++w)
            segment->GetWSection(w)->GetType();
        for (std::uint32_t k = 0; k < segment->GetXSectionCount(); ++k)
            segment->GetXSection(k)->GetAltitude(0.0);
    }
    for (const double longitude : {-1.0, 0.0, 123.25, track.Get2DLength()})
        track.GetPoint(longitude, -3.0);
}

// Reads the bytes with the TRK reader FileT and, when it accepts them, queries the track built on
// them. Any exception of the library's family is a proper answer.
template <class FileT>
void FuzzTrack(const std::uint8_t* data, std::size_t size) {
    if (size > 0xffffffffu)
        return;
    auto buffer = std::make_shared<Tessel::Util::CharBuffer>("fuzz.trk");
    buffer->SetBuffer(static_cast<std::uint32_t>(size), data);
    try {
        QueryTrack(Tessel::Papy::TrkTrack(std::make_shared<FileT>(buffer)));
    } catch (const Tessel::Util::Exception&) {
    }
}

}  // namespace Linewright::Fuzz
