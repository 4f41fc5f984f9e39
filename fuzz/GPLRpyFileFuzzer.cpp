// Reads arbitrary bytes as a chunked replay and lists its laps; every fault must be an exception
// of the library's family.
#include "Linewright/LapList.h"
#include "Papy/Replays/GPLRpyFile.h"
#include "Util/CharBuffer.h"
#include "Util/Exception.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Tessel::Util::CharBuffer stream("fuzz.rpy");
    stream.SetBuffer(static_cast<std::uint32_t>(size), data);
    try {
        const Tessel::Papy::GPLRpyFile replay(stream);
        for (const auto& entry : Linewright::ListCompleteLaps(replay)) {
            const auto [table, driver, lap] = entry.lap;
            const std::uint32_t end = replay.GetLapEndFrame(table, driver, lap);
            for (std::uint32_t frame = replay.GetLapFirstFrame(table, driver, lap); frame < end; ++frame) {
                if (replay.IsSampleValid(driver, frame))
                    replay.GetLongitude(driver, frame);
            }
        }
    } catch (const Tessel::Util::Exception&) {
    }
    return 0;
}
