#include "fuzz/GPLLpTrack.h"
#include "fuzz/Seeds.h"
#include "testing/GPLLpWriter.h"

namespace Linewright::Fuzz {

namespace {

Seed MakeSeed(std::string name, const std::string& bytes) {
    return {std::move(name), std::vector<unsigned char>(bytes.begin(), bytes.end())};
}

const SeedRegistration seeds("GPLLpFileFuzzer", [] {
    using namespace Testing;
    const std::uint32_t count = GPLLpRecordCount(static_cast<float>(GPLLpFuzzTrack().Get2DLength()));
    return std::vector<Seed>{
        MakeSeed("valid.lp", WriteGPLLp(MakeGPLLpRecords(count))),
        MakeSeed("empty-records.lp", WriteGPLLp(std::vector<GPLLpRecord>(count))),
        MakeSeed("one-short.lp", WriteGPLLp(MakeGPLLpRecords(count - 1))),
        MakeSeed("other-version.lp", WriteGPLLp(MakeGPLLpRecords(count), 0x10003)),
        MakeSeed("count-beyond-file.lp", WriteGPLLp(MakeGPLLpRecords(2), 0x10002, count)),
    };
});

}  // namespace

}  // namespace Linewright::Fuzz
