// Reads ICR2 LP files; a file that reads must write back to its own bytes.
#include "Papy/Lp/ICR2LpFile.h"
#include "Util/Exception.h"
#include "testing/MemoryStream.h"

#include <cstdlib>

using namespace Tessel;
using Linewright::Testing::MemoryStream;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    try {
        const Papy::ICR2LpFile lp(MemoryStream(input, "fuzz.lp").stream);
        MemoryStream out(std::string(4 + 12 * (std::size_t{lp.GetRecordCount()} + 1), '\0'), "out.lp");
        lp.Write(out.stream);
        if (input.compare(0, out.bytes->size(), *out.bytes) != 0)
            std::abort();
    } catch (const Util::Exception&) {
    }
    return 0;
}
