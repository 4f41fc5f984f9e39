#include "testing/ReferencePklib.h"
#include "tests/Papy/Archives/PkCompressionTesting.h"

#include <gtest/gtest.h>

// Cross-checks of the codec against StormLib's pklib, where the system offers it.
using namespace Tessel::Papy;
using namespace Tessel::Papy::PkCompressionTesting;
using Linewright::Testing::ReferenceExplode;
using Linewright::Testing::ReferenceImplode;

TEST(PkCompression, TheReferenceUnpacksFarRepeats) {
    const Bytes input = MakeFarRepeats();
    const auto unpacked = ReferenceExplode(Pack(input));
    ASSERT_TRUE(unpacked.has_value());
    EXPECT_EQ(*unpacked, input);
}

TEST(PkCompression, TheReferenceUnpacksWhatWePack) {
    for (unsigned seed = 0; seed < InputCount; ++seed) {
        const Bytes input = MakeInput(seed);
        if (input.empty())
            continue;  // the reference refuses its own packing of nothing
        const auto unpacked = ReferenceExplode(Pack(input));
        ASSERT_TRUE(unpacked.has_value()) << "seed " << seed;
        ASSERT_EQ(*unpacked, input) << "seed " << seed;
    }
}

TEST(PkCompression, WeUnpackWhatTheReferencePacksInEveryModeAndDictionary) {
    for (const unsigned type : {0u, 1u}) {
        for (const unsigned dictionary : {1024u, 2048u, 4096u}) {
            for (unsigned seed = 0; seed < InputCount; seed += 2) {
                const Bytes input = MakeInput(seed + type + dictionary);
                const Bytes packed = ReferenceImplode(input, type, dictionary);
                ASSERT_EQ(packed[0], type);
                ASSERT_EQ(Unpack(packed, input.size()), input)
                    << "type " << type << " dictionary " << dictionary << " seed " << seed;
            }
        }
    }
}
