#pragma once

#include <cstddef>
#include <new>

namespace Tessel::Util {

// Large blocks: 2 MiB and more are aligned to LargeBlockAlignment. On Linux that is 2 MiB, and
// the blocks are offered to the kernel for huge pages, which fills them with a few hundred times
// fewer page faults and reads them with fewer TLB misses; Windows gives large pages only to
// accounts with a privilege that players' accounts lack, so there it is a cache line. Smaller
// blocks come from operator new. Throws std::bad_alloc when memory runs out.
extern const std::size_t LargeBlockAlignment;
void* AllocateLarge(std::size_t bytes);
void FreeLarge(void* block, std::size_t bytes);

// The allocator of a large table filled once and read often, such as a replay's samples.
template <class T>
class HugePageAllocator {
public:
    using value_type = T;

    HugePageAllocator() = default;
    template <class U>
    HugePageAllocator(const HugePageAllocator<U>&) {}

    T* allocate(std::size_t count) {
        if (count > static_cast<std::size_t>(-1) / sizeof(T))
            throw std::bad_array_new_length();
        return static_cast<T*>(AllocateLarge(count * sizeof(T)));
    }
    void deallocate(T* block, std::size_t count) { FreeLarge(block, count * sizeof(T)); }

    friend bool operator==(const HugePageAllocator&, const HugePageAllocator&) { return true; }
};

}  // namespace Tessel::Util
