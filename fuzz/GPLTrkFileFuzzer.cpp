// Feeds arbitrary bytes to the GPL track reader and, when it accepts them, to every query of
// the track built on them.
#include "Papy/Tracks/Trk/GPLTrkFile.h"
#include "fuzz/FuzzQueries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Linewright::Fuzz::FuzzTrack<Tessel::Papy::GPLTrkFile>(data, size);
    return 0;
}
