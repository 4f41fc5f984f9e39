#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes GPL LP files byte by byte from the format's own table, independently of the reader:
//   offset 0: version 0x10002 (32 bits), offset 4: record count (32 bits), then per record
//   20 bytes: speed, lateral speed, lateral offset, angle rate (floats, speeds and the rate in
//   file units of 1/36 of the interface value) and a 32-bit word whose top byte is the
//   coefficient in steps of 0.005.
namespace Linewright::Testing {

struct GPLLpRecord {
    float speed = 0.0f;
    float lateralSpeed = 0.0f;
    float lateral = 0.0f;
    float angleRate = 0.0f;
    std::uint32_t word = 0;
};

// The file's bytes; count overrides the record count written in the header.
std::string WriteGPLLp(const std::vector<GPLLpRecord>& records, std::uint32_t version = 0x10002);
std::string WriteGPLLp(const std::vector<GPLLpRecord>& records, std::uint32_t version,
                       std::uint32_t count);

// Records with varied values in every field, for round trips and seeds.
std::vector<GPLLpRecord> MakeGPLLpRecords(std::uint32_t count);

// The record count of a GPL LP for a track of the given horizontal length: one record per
// 3 m, rounded to the nearest, plus one.
std::uint32_t GPLLpRecordCount(float length2D);

}  // namespace Linewright::Testing
