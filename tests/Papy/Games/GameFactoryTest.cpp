#include "Papy/Factory/CreateDat.h"
#include "Papy/Factory/CreateLp.h"
#include "Papy/Factory/GetDat.h"
#include "Papy/Factory/GetDirectory.h"
#include "Papy/Factory/MakeLp.h"
#include "Papy/Factory/MakePtf.h"
#include "Papy/Factory/MakeRpy.h"
#include "Papy/Factory/MakeTrack.h"
#include "Papy/Factory/MakeTrk.h"
#include "Papy/Games/GPL/GPLFileFactoryRecognizer.h"
#include "Papy/Games/N2/N2FileFactoryRecognizer.h"
#include "Papy/Games/N4/N4FileFactoryRecognizer.h"
#include "tests/Failures.h"
#include "tests/Papy/Games/RecognizerTest.h"

#include <gtest/gtest.h>

using namespace Tessel::Papy;

namespace {

// What each game's factory offers: its track file facet and its LP types in their order.
struct GPLGame {
    using Recognizer = GPLFileFactoryRecognizer;
    static constexpr bool readsTrk = true;
    static std::vector<std::string> LpTypes() { return {"race", "maxrace", "minrace", "pass1", "pass2", "pit"}; }
};

struct N2Game {
    using Recognizer = N2FileFactoryRecognizer;
    static constexpr bool readsTrk = true;
    static std::vector<std::string> LpTypes() {
        return {"race", "maxrace", "minrace", "pass1", "pass2", "maxpanic", "minpanic", "pit", "pace", "spot1"};
    }
};

struct N4Game {
    using Recognizer = N4FileFactoryRecognizer;
    static constexpr bool readsTrk = false;  // but PTF files
    static std::vector<std::string> LpTypes() {
        return {"raceline", "race",   "maxrace", "minrace", "maxpanic", "minpanic", "pit0",
                "maxpit0",  "minpit0", "pit1",   "maxpit1", "minpit1",  "limp"};
    }
};

template <class Game>
class GameFactoryTest : public RecognizerTest<typename Game::Recognizer> {};

using Games = ::testing::Types<GPLGame, N2Game, N4Game>;
TYPED_TEST_SUITE(GameFactoryTest, Games);

TYPED_TEST(GameFactoryTest, FacetsAndLpTypes) {
    std::filesystem::create_directories(this->folder / "monza");
    const auto factory = this->Factory("monza");
    EXPECT_EQ(factory->template GetFacet<GetDirectory>()->Get().GetName(), "monza");
    EXPECT_EQ(factory->template GetFacet<GetDat>()->Get(), nullptr);
    for (bool present : {factory->template HasFacet<CreateDat>(), factory->template HasFacet<MakeLp>(),
                         factory->template HasFacet<CreateLp>(), factory->template HasFacet<MakeTrack>(),
                         factory->template HasFacet<MakeRpy>()})
        EXPECT_TRUE(present);
    EXPECT_EQ(factory->template HasFacet<MakeTrk>(), TypeParam::readsTrk);
    EXPECT_EQ(factory->template HasFacet<MakePtf>(), !TypeParam::readsTrk);

    const auto makeLp = factory->template GetFacet<MakeLp>();
    std::vector<std::string> types;
    for (std::uint32_t i = 0; i < makeLp->GetTypeCount(); ++i)
        types.push_back(makeLp->GetTypeName(i));
    EXPECT_EQ(types, TypeParam::LpTypes());
    EXPECT_EQ(Linewright::Testing::BrokenCheck([&] { makeLp->GetTypeName(makeLp->GetTypeCount()); }),
              "i < GetTypeCount()");
}

}  // namespace
