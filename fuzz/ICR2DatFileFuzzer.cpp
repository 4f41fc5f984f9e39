#include "Papy/Archives/ICR2DatFile.h"
#include "fuzz/DatFuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Linewright::Fuzz::ReadWholeArchive<Tessel::Papy::ICR2DatFile>(data, size);
    return 0;
}
