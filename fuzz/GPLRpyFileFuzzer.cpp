// Reads arbitrary bytes as a chunked replay and lists its laps; every fault must be an exception
// of the library's family.
#include "Papy/Replays/GPLRpyFile.h"
#include "Util/CharBuffer.h"
#include "Util/Exception.h"
#include "fuzz/FuzzQueries.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Tessel::Util::CharBuffer stream("fuzz.rpy");
    stream.SetBuffer(static_cast<std::uint32_t>(size), data);
    try {
        const Tessel::Papy::GPLRpyFile replay(stream);
        Linewright::Fuzz::WalkCompleteLaps(replay);
    } catch (const Tessel::Util::Exception&) {
    }
    return 0;
}
