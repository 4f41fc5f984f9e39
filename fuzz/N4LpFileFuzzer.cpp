// Reads N4 LP files; a file that reads must write back to its own bytes.
#include "Papy/Lp/N4LpFile.h"
#include "Util/Exception.h"
#include "testing/MemoryStream.h"

#include <cstdlib>

using namespace Tessel;
using Linewright::Testing::MemoryStream;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    try {
        const Papy::N4LpFile lp(MemoryStream(input, "fuzz.lp").stream);
        MemoryStream out(std::string(8 + 24 * std::size_t{lp.GetRecordCount()}, '\0'), "out.lp");
        lp.Write(out.stream);
        if (input.compare(0, out.bytes->size(), *out.bytes) != 0)
            std::abort();
    } catch (const Util::Exception&) {
    }
    return 0;
}
