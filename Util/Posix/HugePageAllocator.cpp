#include "Util/HugePageAllocator.h"

#include <sys/mman.h>

#include <cstdlib>

namespace Tessel::Util {

namespace {

constexpr std::size_t hugePageSize = std::size_t{2} << 20;

bool IsLarge(std::size_t bytes) {
    return bytes >= hugePageSize;
}

std::size_t RoundedUp(std::size_t bytes) {
    return (bytes + hugePageSize - 1) / hugePageSize * hugePageSize;
}

}  // namespace

const std::size_t LargeBlockAlignment = hugePageSize;

void* AllocateLarge(std::size_t bytes) {
    if (!IsLarge(bytes))
        return ::operator new(bytes);
    if (bytes > static_cast<std::size_t>(-1) - hugePageSize)
        throw std::bad_alloc();
    const std::size_t size = RoundedUp(bytes);
    void* block = std::aligned_alloc(hugePageSize, size);
    if (!block)
        throw std::bad_alloc();
    // Only advice: where the kernel offers no huge pages, the block works as any other.
    ::madvise(block, size, MADV_HUGEPAGE);
    return block;
}

void FreeLarge(void* block, std::size_t bytes) {
    if (IsLarge(bytes))
        std::free(block);
    else
        ::operator delete(block);
}

}  // namespace Tessel::Util
