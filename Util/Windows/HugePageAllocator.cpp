#include "Util/HugePageAllocator.h"

#include <malloc.h>

namespace Tessel::Util {

namespace {

constexpr std::size_t largeBlockSize = std::size_t{2} << 20;

bool IsLarge(std::size_t bytes) { return bytes >= largeBlockSize; }

}  // namespace

// Without large pages, the alignment keeps a table's rows from straddling cache lines.
const std::size_t LargeBlockAlignment = 64;

void* AllocateLarge(std::size_t bytes) {
    if (!IsLarge(bytes))
        return ::operator new(bytes);
    void* block = ::_aligned_malloc(bytes, LargeBlockAlignment);
    if (!block)
        throw std::bad_alloc();
    return block;
}

void FreeLarge(void* block, std::size_t bytes) {
    if (IsLarge(bytes))
        ::_aligned_free(block);
    else
        ::operator delete(block);
}

}  // namespace Tessel::Util
