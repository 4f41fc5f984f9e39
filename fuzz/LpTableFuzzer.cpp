// Imports arbitrary text as the table of an LP of each format; a table that imports must export
// and import again to the same bytes.
#include "Linewright/LpTable.h"
#include "Util/Exception.h"
#include "fuzz/LpTableFuzzing.h"

#include <cstdlib>

using namespace Linewright;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const int format = data[0] % Fuzz::lpTableFormats;
    const std::string_view table(reinterpret_cast<const char*>(data) + 1, size - 1);
    try {
        const auto lp = Fuzz::MakeLpForTable(format);
        ReadLpTable(table, "fuzz.csv", *lp);
        const auto again = Fuzz::MakeLpForTable(format);
        ReadLpTable(FormatLpTable(*lp), "again.csv", *again);
        if (Fuzz::LpBytes(*again) != Fuzz::LpBytes(*lp))
            std::abort();
    } catch (const Tessel::Util::Exception&) {
    }
    return 0;
}
