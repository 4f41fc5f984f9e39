#include "testing/N4LpWriter.h"

#include <cstring>

namespace Linewright::Testing {

namespace {

template <class T>
void Append(std::string& bytes, T value) {
    char raw[sizeof value];
    std::memcpy(raw, &value, sizeof value);
    bytes.append(raw, sizeof value);
}

}  // namespace

std::string WriteN4Lp(const std::vector<N4LpRecord>& records, std::uint32_t version) {
    return WriteN4Lp(records, version, static_cast<std::uint32_t>(records.size()));
}

std::string WriteN4Lp(const std::vector<N4LpRecord>& records, std::uint32_t version, std::uint32_t count) {
    std::string bytes;
    Append(bytes, version);
    Append(bytes, count);
    for (const N4LpRecord& record : records) {
        Append(bytes, record.speed);
        Append(bytes, record.lateralSpeed);
        Append(bytes, record.lateral);
        Append(bytes, record.angleRate);
        Append(bytes, record.length);
        Append(bytes, record.flags);
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
