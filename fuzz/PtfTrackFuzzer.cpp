// Feeds arbitrary bytes to the object-archive reader and, when it accepts them, makes the PTF
// track over the archive and asks it every question the program asks. Any exception of the
// library's family is a proper answer.
#include "Papy/Objects/N4DescriptorRegistry.h"
#include "Papy/Objects/N4TdoFile.h"
#include "Papy/Tracks/Ptf/PtfTrack.h"
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
    auto buffer = std::make_shared<Util::CharBuffer>("fuzz.ptf");
    buffer->SetBuffer(static_cast<std::uint32_t>(size), data);
    try {
        const Papy::PtfTrack track(std::make_shared<Papy::N4TdoFile>(buffer, Papy::N4DescriptorRegistry()),
                                   "fuzz.ptf");
        Linewright::Fuzz::QueryTrack(track);
    } catch (const Util::Exception&) {
    }
    return 0;
}
