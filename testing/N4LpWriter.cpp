#include "testing/N4LpWriter.h"

#include "Samples/DatWriter.h"

namespace Linewright::Testing {

using Samples::AppendRaw;

std::string WriteN4Lp(const std::vector<N4LpRecord>& records, std::uint32_t version) {
    return WriteN4Lp(records, version, static_cast<std::uint32_t>(records.size()));
}

std::string WriteN4Lp(const std::vector<N4LpRecord>& records, std::uint32_t version, std::uint32_t count) {
    std::string bytes;
    AppendRaw(bytes, version);
    AppendRaw(bytes, count);
    for (const N4LpRecord& record : records) {
        AppendRaw(bytes, record.speed);
        AppendRaw(bytes, record.lateralSpeed);
        AppendRaw(bytes, record.lateral);
        AppendRaw(bytes, record.angleRate);
        AppendRaw(bytes, record.length);
        AppendRaw(bytes, record.flags);
    }
    return bytes;
}

std::vector<N4LpRecord> MakeN4LpRecords(std::uint32_t count) {
    std::vector<N4LpRecord> records(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const float x = static_cast<float>(i);
        records[i] = {2.5f + x, 0.5f - 0.25f * x, -4.0f + 0.125f * x, 0.002f * x, 3.0f - 0.001f * x,
                      static_cast<std::int32_t>(i * 0x9E3779B9u)};
    }
    return records;
}

}  // namespace Linewright::Testing
