// Feeds arbitrary bytes to the GPL track reader and, when it accepts them, to every query of
// the track built on them. Any exception of the library's family is a proper answer.
#include "Papy/Tracks/Trk/GPLTrkFile.h"
#include "Papy/Tracks/Trk/TrkTrack.h"
#include "Util/CharBuffer.h"
#include "Util/Exception.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

using namespace Tessel;

void Query(const Papy::TrkTrack& track) {
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 0xffffffffu)
        return 0;
    auto buffer = std::make_shared<Util::CharBuffer>("fuzz.trk");
    buffer->SetBuffer(static_cast<std::uint32_t>(size), data);
    try {
        const Papy::TrkTrack track(std::make_shared<Papy::GPLTrkFile>(buffer));
        Query(track);
    } catch (const Util::Exception&) {
    }
    return 0;
}
