#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes N4 LP files byte by byte from the format's own table, independently of the reader:
//   offset 0: version 0x10003 (32 bits), offset 4: record count (32 bits), then per record
//   24 bytes: speed, lateral speed, lateral offset, angle rate, record length (floats; the
//   speeds and the rate in file units of 1/36 of the interface value) and a signed 32-bit
//   word of flags.
namespace Linewright::Testing {

struct N4LpRecord {
    float speed = 0.0f;
    float lateralSpeed = 0.0f;
    float lateral = 0.0f;
    float angleRate = 0.0f;
    float length = 3.0f;  // what a new table holds
    std::int32_t flags = 0;
};

// The file's bytes; count overrides the record count written in the header.
std::string WriteN4Lp(const std::vector<N4LpRecord>& records, std::uint32_t version = 0x10003);
std::string WriteN4Lp(const std::vector<N4LpRecord>& records, std::uint32_t version, std::uint32_t count);

// Records with varied values in every field, for round trips and seeds.
std::vector<N4LpRecord> MakeN4LpRecords(std::uint32_t count);

}  // namespace Linewright::Testing
