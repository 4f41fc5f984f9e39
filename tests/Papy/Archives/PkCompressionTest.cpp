#include "Papy/Archives/PkCompression.h"
#include "Samples/DatWriter.h"
#include "Util/Exception.h"
#include "tests/Failures.h"
#include "tests/Papy/Archives/PkCompressionTesting.h"

#include <gtest/gtest.h>

#include <string>

using namespace Tessel::Papy;
using namespace Tessel::Papy::PkCompressionTesting;
using Linewright::Testing::BrokenCheck;

TEST(PkCompression, UnpacksThePublishedVector) {
    const Bytes packed = {0x00, 0x04, 0x82, 0x24, 0x25, 0x8f, 0x80, 0x7f};
    const Bytes unpacked = Unpack(packed, 100);
    EXPECT_EQ(std::string(unpacked.begin(), unpacked.end()), "AIAIAIAIAIAIA");
}

TEST(PkCompression, EmptyInputPacksAndUnpacks) {
    const Bytes packed = Pack({});
    EXPECT_EQ(packed.size(), 4u);
    EXPECT_EQ(Unpack(packed, 10).size(), 0u);
    EXPECT_EQ(PkCompression::Explode(packed.data(), 4, nullptr, 0), 0u);
}

TEST(PkCompression, RoundTripsAndFindsRealMatches) {
    for (unsigned seed = 0; seed < InputCount; ++seed) {
        const Bytes input = MakeInput(seed);
        const Bytes packed = Pack(input);
        ASSERT_LE(packed.size(), PkCompression::MaxImplodedSize(input.size()));
        ASSERT_EQ(Unpack(packed, input.size()), input) << "seed " << seed;
    }
    const std::string text = "All work and no play makes a dull lap. ";
    Bytes repeated;
    for (int i = 0; i < 500; ++i)
        repeated.insert(repeated.end(), text.begin(), text.end());
    EXPECT_LT(Pack(repeated).size(), repeated.size() / 20);
    const Bytes zeros(1 << 20, 0);
    const Bytes packedZeros = Pack(zeros);
    EXPECT_LE(zeros.size(), PkCompression::MaxExplodedSize(packedZeros.size()));
    EXPECT_EQ(Unpack(packedZeros, zeros.size()), zeros);
}

TEST(PkCompression, RepeatsFurtherBackThanTheDictionaryAreNotCopied) {
    const Bytes input = MakeFarRepeats();
    EXPECT_EQ(Unpack(Pack(input), input.size()), input);
}

TEST(PkCompression, MalformedDataBreakTheAssertion) {
    const std::string expected = "result == CMP_NO_ERROR && dp.InBytesRemaining == 0";
    auto expectRejected = [&](const Bytes& packed, const std::string& why) {
        EXPECT_EQ(BrokenCheck([&] { Unpack(packed, 1000); }), expected) << why;
    };
    expectRejected({}, "no header");
    expectRejected({0x02, 0x04, 0xFF, 0xFF}, "unknown literal mode");
    expectRejected({0x00, 0x03, 0xFF, 0xFF}, "dictionary too small");
    expectRejected({0x00, 0x07, 0xFF, 0xFF}, "dictionary too large");
    // A copy of length 3 from distance 1 as the first token: bits 1, 11, 11, 0000.
    expectRejected({0x00, 0x04, 0x1F, 0x00, 0xFF, 0xFF}, "copy before the start");
    const std::string literal = Linewright::Samples::PackLiterals("Hello, world");
    const Bytes packed(literal.begin(), literal.end());
    for (std::size_t length = 0; length < packed.size(); ++length)
        expectRejected(Bytes(packed.begin(), packed.begin() + length), "cut to " + std::to_string(length));
    Bytes trailing = packed;
    trailing.push_back(0);
    expectRejected(trailing, "a byte after the end code");
}

TEST(PkCompression, NeverWritesBeyondTheOutput) {
    const Bytes input = MakeInput(3);
    const Bytes packed = Pack(input);
    for (const std::size_t capacity : {std::size_t{0}, std::size_t{1}, input.size() / 2, input.size() - 1}) {
        Bytes output(capacity + 16, 0xA5);
        const auto written = PkCompression::Explode(packed.data(), static_cast<std::uint32_t>(packed.size()),
                                                    output.data(), static_cast<std::uint32_t>(capacity));
        EXPECT_EQ(written, capacity);
        EXPECT_TRUE(std::equal(output.begin(), output.begin() + capacity, input.begin()));
        EXPECT_EQ(Bytes(output.begin() + capacity, output.end()), Bytes(16, 0xA5));
    }
    for (const std::size_t capacity : {packed.size() / 2, packed.size() - 1, packed.size()}) {
        Bytes small(capacity + 16, 0xA5);
        auto implode = [&] {
            return PkCompression::Implode(input.data(), static_cast<std::uint32_t>(input.size()), small.data(),
                                          static_cast<std::uint32_t>(capacity));
        };
        if (capacity < packed.size())
            EXPECT_THROW(implode(), Tessel::Util::XAssertion) << capacity;
        else
            EXPECT_EQ(implode(), packed.size());
        EXPECT_EQ(Bytes(small.end() - 16, small.end()), Bytes(16, 0xA5)) << capacity;
    }
}
