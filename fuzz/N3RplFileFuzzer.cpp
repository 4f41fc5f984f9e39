// Reads arbitrary bytes as an N3 replay and lists its laps; every fault must be an exception of
// the library's family.
#include "Papy/Replays/N3RplFile.h"
#include "Util/CharBuffer.h"
#include "Util/Exception.h"
#include "fuzz/FuzzQueries.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 0xffffffffu)
        return 0;
    Tessel::Util::CharBuffer stream("fuzz.rpl");
    stream.SetBuffer(static_cast<std::uint32_t>(size), data);
    try {
        const Tessel::Papy::N3RplFile replay(stream);
        Linewright::Fuzz::WalkCompleteLaps(replay);
    } catch (const Tessel::Util::Exception&) {
    }
    return 0;
}
