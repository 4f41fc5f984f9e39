// Reads GPL LP files against a fixed track; a file that reads must write back to its own bytes.
#include "Papy/Lp/GPLLpFile.h"
#include "Papy/Tracks/Trk/GPLTrkFile.h"
#include "Util/Exception.h"
#include "fuzz/GPLLpTrack.h"
#include "testing/MemoryStream.h"

#include <cstdlib>
#include <cstring>

using namespace Tessel;
using Linewright::Testing::MemoryStream;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto track = std::make_shared<Papy::GPLTrkFile>(
        MemoryStream(Linewright::Samples::WriteGPLTrk(GPLLpFuzzTrack()), "loop.trk").stream);
    const std::string input(reinterpret_cast<const char*>(data), size);
    try {
        const Papy::GPLLpFile lp(MemoryStream(input, "fuzz.lp").stream, track);
        MemoryStream out(std::string(8 + 20 * lp.GetRecordCount(), '\0'), "out.lp");
        lp.Write(out.stream);
        if (input.compare(0, out.bytes->size(), *out.bytes) != 0)
            std::abort();
    } catch (const Util::Exception&) {
    }
    return 0;
}
