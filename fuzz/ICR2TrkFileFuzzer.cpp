// Feeds arbitrary bytes to the ICR2 track reader and, when it accepts them, to every query of
// the track built on them.
#include "Papy/Tracks/Trk/ICR2TrkFile.h"
#include "fuzz/FuzzQueries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Linewright::Fuzz::FuzzTrack<Tessel::Papy::ICR2TrkFile>(data, size);
    return 0;
}
