// Feeds arbitrary bytes to the GPL track reader and, when it accepts them, to every query of
// the track built on them. Any exception of the library's family is a proper answer.
#include "Papy/Tracks/Trk/GPLTrkFile.h"
#include "Papy/Tracks/Trk/TrkTrack.h"
#include "Util/CharBuffer.h"
#include "Util/Exception.h"
#include "fuzz/FuzzQueries.h"

#include <cstddef>
#include <cstdint>
#include <memory>

using namespace Tessel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 0xffffffffu)
        return 0;
    auto buffer = std::make_shared<Util::CharBuffer>("fuzz.trk");
    buffer->SetBuffer(static_cast<std::uint32_t>(size), data);
    try {
        const Papy::TrkTrack track(std::make_shared<Papy::GPLTrkFile>(buffer));
        Linewright::Fuzz::QueryTrack(track);
    } catch (const Util::Exception&) {
    }
    return 0;
}
