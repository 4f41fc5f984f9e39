#pragma once

#include "Papy/Factory/FileFormat.h"

#include <cstdint>

// The DAT archive formats: their ids, head tests and descriptors.
namespace Tessel::Papy {

namespace DatIds {
// Both DAT formats mark each directory record with 5.
inline constexpr std::uint8_t recordSignature = 5;
inline constexpr std::size_t n4HeaderSize = 11;  // with the first record's signature
inline constexpr std::size_t icr2HeaderSize = 4;  // with the first record's signature
}  // namespace DatIds

// An ICR2 DAT archive: a member count above 0 and the first record's signature 5.
bool IsICR2DatHead(const Util::RecordView& head);
// An N4 DAT archive: a negative member count, a directory size other than 0, a reserved 0 and
// the first record's signature 5.
bool IsN4DatHead(const Util::RecordView& head);

extern const FileFormat icr2DatFormat;
extern const FileFormat n4DatFormat;

}  // namespace Tessel::Papy
