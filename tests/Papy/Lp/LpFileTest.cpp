#include "Papy/Lp/LpFile.h"
#include "Util/Exception.h"
#include "tests/Failures.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Tessel;
using Linewright::Testing::AssertionText;

namespace {

// A format that carries only the four properties every format has, over 10 records 2 m apart.
class BareLp : public Papy::LpFile {
public:
    std::uint32_t GetRecordCount() const override { return 10; }
    double GetRecordSpacing() const override { return 2.0; }
    std::uint32_t GetRecordIndex(double longitude) const override {
        return FindRecordIndex(longitude, 10, "Papy/BareLp.cpp", 7);
    }
    double GetRecordLongitude(std::uint32_t i) const override { return (i + 1.0) * 2.0; }
    double GetRecordLateral(std::uint32_t) const override { return 0.0; }
    double GetRecordSpeed(std::uint32_t) const override { return 0.0; }
    double GetRecordLateralSpeed(std::uint32_t) const override { return 0.0; }
    void SetRecordLateral(std::uint32_t, double) override {}
    void SetRecordSpeed(std::uint32_t, double) override {}
    void SetRecordLateralSpeed(std::uint32_t, double) override {}
    void Write(const std::shared_ptr<Util::BinaryStream>&) const override {}
};

}  // namespace

TEST(LpFile, PropertiesAFormatLacksAnswerNeutralDefaults) {
    BareLp lp;
    EXPECT_FALSE(lp.HasCapability0());
    EXPECT_FALSE(lp.HasCapability15());
    EXPECT_EQ(lp.GetRecordLength(3), 2.0);
    lp.SetRecordLength(3, 5.0);  // ignored
    EXPECT_EQ(lp.GetRecordLength(3), 2.0);
    EXPECT_EQ(lp.GetRecordAngleRate(3), 0.0);
    EXPECT_EQ(lp.GetRecordCoefficient(3), 1.0);
    EXPECT_EQ(lp.GetRecordFlags(3), 0u);
    EXPECT_FALSE(lp.GetRecordFlag14(3));
}

TEST(LpFile, SettingAPropertyTheFormatLacksFailsInLpFile) {
    BareLp lp;
    for (const std::string& text :
         {AssertionText([&] { lp.SetRecordCoefficient(0, 1.0); }), AssertionText([&] { lp.SetRecordAngleRate(0, 1.0); }),
          AssertionText([&] { lp.SetRecordFlags(0, 1u); }), AssertionText([&] { lp.SetRecordFlag3(0, true); })})
        EXPECT_TRUE(text.starts_with("Assertion failure at Papy/Lp/LpFile.cpp: ") && text.ends_with("\nfalse\n")) << text;
}

TEST(LpFile, RecordIndexIsTheRecordAtOrBeforeALongitude) {
    BareLp lp;
    EXPECT_EQ(lp.GetRecordIndex(2.0), 0u);
    EXPECT_EQ(lp.GetRecordIndex(5.9), 1u);
    EXPECT_EQ(lp.GetRecordIndex(20.0), 9u);
    EXPECT_EQ(AssertionText([&] { lp.GetRecordIndex(0.0); }),
              "Assertion failure at Papy/BareLp.cpp: 7\nlongitude >= GetRecordLongitude(0)\n");
    EXPECT_EQ(AssertionText([&] { lp.GetRecordIndex(NAN); }),
              "Assertion failure at Papy/BareLp.cpp: 7\nlongitude >= GetRecordLongitude(0)\n");
    EXPECT_EQ(AssertionText([&] { lp.GetRecordIndex(20.5); }),
              "Assertion failure at Papy/BareLp.cpp: 7\nlongitude <= GetRecordLongitude(GetRecordCount() - 1)\n");
}
