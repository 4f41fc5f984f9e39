#include "Util/HugePageAllocator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

using Tessel::Util::HugePageAllocator;
using Tessel::Util::LargeBlockAlignment;

// A table that grows from small blocks into large, aligned ones keeps every value on the way.
TEST(HugePageAllocator, GrowsThroughSmallAndLargeBlocksKeepingValues) {
    std::vector<std::uint32_t, HugePageAllocator<std::uint32_t>> table;
    for (std::uint32_t value = 0; value < (3u << 20); ++value)
        table.push_back(value);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(table.data()) % LargeBlockAlignment, 0u);
    std::vector<std::uint32_t> expected(table.size());
    std::iota(expected.begin(), expected.end(), 0u);
    EXPECT_TRUE(std::equal(table.begin(), table.end(), expected.begin()));
    table.shrink_to_fit();
    table.resize(10);
    table.shrink_to_fit();
    EXPECT_EQ(table.back(), 9u);
}

TEST(HugePageAllocator, RefusesACountBeyondMemory) {
    HugePageAllocator<std::uint64_t> allocator;
    EXPECT_THROW(static_cast<void>(allocator.allocate(std::size_t{1} << 62)), std::bad_alloc);
}
