#include "fuzz/Seeds.h"
#include "testing/N4LpWriter.h"

namespace Linewright::Fuzz {

namespace {

const SeedRegistration seeds("N4LpFileFuzzer", [] {
    using namespace Testing;
    return std::vector<Seed>{
        MakeSeed("valid.lp", WriteN4Lp(MakeN4LpRecords(12))),
        MakeSeed("new-table.lp", WriteN4Lp(std::vector<N4LpRecord>(12))),
        MakeSeed("no-records.lp", WriteN4Lp({})),
        MakeSeed("other-version.lp", WriteN4Lp(MakeN4LpRecords(3), 0x10002)),
        MakeSeed("count-beyond-file.lp", WriteN4Lp(MakeN4LpRecords(2), 0x10003, 9)),
    };
});

}  // namespace

}  // namespace Linewright::Fuzz
