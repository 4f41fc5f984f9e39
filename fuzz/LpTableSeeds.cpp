#include "Linewright/LpTable.h"
#include "fuzz/LpTableFuzzing.h"
#include "fuzz/Seeds.h"

namespace Linewright::Fuzz {

namespace {

// Each format's table as export writes it, after the byte that chooses the format.
const SeedRegistration seeds("LpTableFuzzer", [] {
    std::vector<Seed> made;
    for (int format = 0; format < lpTableFormats; ++format)
        made.push_back(MakeSeed("format" + std::to_string(format) + ".csv",
                                std::string(1, static_cast<char>(format)) + FormatLpTable(*MakeLpForTable(format))));
    return made;
});

}  // namespace

}  // namespace Linewright::Fuzz
