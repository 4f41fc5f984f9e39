#include "Papy/Archives/N4DatFile.h"
#include "fuzz/DatFuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Linewright::Fuzz::ReadWholeArchive<Tessel::Papy::N4DatFile>(data, size);
    return 0;
}
