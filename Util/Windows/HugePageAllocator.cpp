#include "Util/HugePageAllocator.h"

#include <malloc.h>

namespace Tessel::Util {

namespace {

// Large pages need a privilege that players' accounts lack; the alignment alone keeps a table's
// rows from straddling cache lines at its start.
constexpr std::size_t largeBlockSize = std::size_t{2} << 20;
constexpr std::size_t largeBlockAlignment = 64;

bool IsLarge(std::size_t bytes) { return bytes >= largeBlockSize; }

}  // namespace

void* AllocateLarge(std::size_t bytes) {
    if (!IsLarge(bytes))
        return ::operator new(bytes);
    void* block = ::_aligned_malloc(bytes, largeBlockAlignment);
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
