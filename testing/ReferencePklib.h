#pragma once

// StormLib's pklib, the reference implementation of the implode format, for cross-checks in
// tests and benchmarks only: a target that includes this header links -lstorm.

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

extern "C" {
unsigned int implode(unsigned int (*read)(char*, unsigned int*, void*), void (*write)(char*, unsigned int*, void*),
                     char* workArea, void* transfer, unsigned int* type, unsigned int* dictionarySize);
unsigned int explode(unsigned int (*read)(char*, unsigned int*, void*), void (*write)(char*, unsigned int*, void*),
                     char* workArea, void* transfer);
}

namespace Linewright::Testing {

namespace ReferencePklibDetail {

struct Transfer {
    const unsigned char* in;
    std::size_t inLeft;
    std::vector<unsigned char>* out;
};

inline unsigned int Read(char* buffer, unsigned int* size, void* param) {
    auto* transfer = static_cast<Transfer*>(param);
    const auto count = static_cast<unsigned int>(std::min<std::size_t>(*size, transfer->inLeft));
    if (count > 0)
        std::memcpy(buffer, transfer->in, count);
    transfer->in += count;
    transfer->inLeft -= count;
    return count;
}

inline void Write(char* buffer, unsigned int* size, void* param) {
    auto* transfer = static_cast<Transfer*>(param);
    transfer->out->insert(transfer->out->end(), buffer, buffer + *size);
}

// Larger than the library's work areas on any build; their 64-bit sizes are not documented.
constexpr std::size_t WorkAreaSize = 1 << 17;

}  // namespace ReferencePklibDetail

// type 0 binary, 1 ASCII; dictionarySize 1024, 2048 or 4096.
inline std::vector<unsigned char> ReferenceImplode(const std::vector<unsigned char>& data, unsigned type,
                                                   unsigned dictionarySize) {
    using namespace ReferencePklibDetail;
    std::vector<unsigned char> out;
    std::vector<char> work(WorkAreaSize);
    Transfer transfer{data.data(), data.size(), &out};
    implode(Read, Write, work.data(), &transfer, &type, &dictionarySize);
    return out;
}

// The unpacked bytes, or nothing when the library reports an error.
inline std::optional<std::vector<unsigned char>> ReferenceExplode(const std::vector<unsigned char>& packed) {
    using namespace ReferencePklibDetail;
    std::vector<unsigned char> out;
    std::vector<char> work(WorkAreaSize);
    Transfer transfer{packed.data(), packed.size(), &out};
    if (explode(Read, Write, work.data(), &transfer) != 0)
        return std::nullopt;
    return out;
}

}  // namespace Linewright::Testing
