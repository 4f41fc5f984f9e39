#include "testing/GPLLpWriter.h"

#include "Samples/DatWriter.h"

namespace Linewright::Testing {

using Samples::AppendRaw;

std::string WriteGPLLp(const std::vector<GPLLpRecord>& records, std::uint32_t version) {
    return WriteGPLLp(records, version, static_cast<std::uint32_t>(records.size()));
}

std::string WriteGPLLp(const std::vector<GPLLpRecord>& records, std::uint32_t version,
                       std::uint32_t count) {
    std::string bytes;
    AppendRaw(bytes, version);
    AppendRaw(bytes, count);
    for (const GPLLpRecord& record : records) {
        AppendRaw(bytes, record.speed);
        AppendRaw(bytes, record.lateralSpeed);
        AppendRaw(bytes, record.lateral);
        AppendRaw(bytes, record.angleRate);
        AppendRaw(bytes, record.word);
    }
    return bytes;
}

std::vector<GPLLpRecord> MakeGPLLpRecords(std::uint32_t count) {
    std::vector<GPLLpRecord> records(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const float x = static_cast<float>(i);
        records[i] = {1.5f + x, -0.25f * x, 3.0f - 0.125f * x, 0.001f * x,
                      (i * 0x9E3779B9u) ^ 0x00A5005Au};
    }
    return records;
}

std::uint32_t GPLLpRecordCount(float length2D) {
    return static_cast<std::uint32_t>(length2D / 3.0 + 0.5) + 1;
}

}  // namespace Linewright::Testing
