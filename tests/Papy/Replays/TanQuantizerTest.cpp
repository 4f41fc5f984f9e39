#include "Papy/Replays/TanQuantizer.h"

#include <gtest/gtest.h>

using Tessel::Papy::TanQuantizer;

TEST(TanQuantizer, LargestCodesReachThreeHundredMetres) {
    for (unsigned bits : {16u, 17u, 20u}) {
        const TanQuantizer quantizer(bits);
        const std::int32_t largest = (1 << (bits - 1)) - 1;
        EXPECT_NEAR(quantizer.Decode(largest), 300.0, 1e-3) << bits;
        EXPECT_NEAR(quantizer.Decode(-largest), -300.0, 1e-3) << bits;
        EXPECT_EQ(quantizer.Decode(0), 0.0);
    }
    // Unsigned codes use every bit.
    EXPECT_NEAR(TanQuantizer(15, false).Decode(32767), 300.0, 1e-3);
}

TEST(TanQuantizer, DecodesSymmetricallyAndInOrder) {
    const TanQuantizer quantizer(17);
    double previous = 0.0;
    for (std::int32_t code = 1; code < 65536; code += 97) {
        const double value = quantizer.Decode(code);
        EXPECT_EQ(quantizer.Decode(-code), -value);
        EXPECT_GT(value, previous);
        previous = value;
    }
}
