#pragma once

#include <cstdint>

// Packs and unpacks memory blocks in the implode format of the PKWARE Data Compression Library,
// the format of the compressed members of N4 archives.
//
// Format notes. Two header bytes: the literal mode (0 binary, 1 ASCII) and the dictionary size
// as a count of bits (4, 5 or 6 for 1024, 2048 or 4096 bytes). Then a stream of bits, least
// significant first, holding tokens: a 0 bit and a literal (binary mode: its 8 bits; ASCII mode:
// a Huffman code), or a 1 bit and a copy: a length code with its extra bits, then a distance
// code with its low bits (2 bits for a copy of length 2, else the dictionary's bit count). The
// length 519 ends the stream; the bits left in its last byte are padding.
namespace Tessel::Papy::PkCompression {

// Packs inputSize bytes at input in binary mode with a 4096-byte dictionary into output and
// returns the number of bytes written. MaxImplodedSize(inputSize) bytes of output always
// suffice; when the packed data would not fit in outputCapacity, an assertion breaks and
// nothing lies beyond the capacity. An empty input packs to a header and an end code.
std::uint32_t Implode(const void* input, std::uint32_t inputSize, void* output, std::uint32_t outputCapacity);

// Unpacks the packed data at input (either literal mode, any of the three dictionary sizes)
// into output and returns the number of bytes written. Bytes beyond outputCapacity are decoded
// and checked but dropped, so the result is then outputCapacity. Malformed data break the
// assertion "result == CMP_NO_ERROR && dp.InBytesRemaining == 0": an unknown header, a code
// that stands for nothing, a copy reaching before the start of the output, data that end before
// the end code, or bytes left over after it. Nothing is ever written beyond outputCapacity.
std::uint32_t Explode(const void* input, std::uint32_t inputSize, void* output, std::uint32_t outputCapacity);

// The most bytes that Implode writes for inputSize bytes.
std::uint64_t MaxImplodedSize(std::uint64_t inputSize);

// The most bytes that packedSize bytes of well-formed packed data can unpack to.
std::uint64_t MaxExplodedSize(std::uint64_t packedSize);

}  // namespace Tessel::Papy::PkCompression
