#include "Papy/Tracks/Trk/TrkFixedPoint.h"

#include "Util/Exception.h"
#include "tests/Failures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace Tessel::Papy {
namespace {

TEST(TrkFixedPoint, FractionsTruncateTowardZero) {
    EXPECT_EQ(Fraction(1, 3), 357913941);
    EXPECT_EQ(Fraction(-1, 3), -357913941);
    EXPECT_EQ(Fraction(7, 7), 1 << 30);
    EXPECT_EQ(Linewright::Testing::BrokenCheck([] { Fraction(4, 3); }), "dividend <= divisor");
    EXPECT_THROW(Fraction(0, 0), Util::XAssertion);
}

TEST(TrkFixedPoint, ProductsRoundDownAndGradesTruncate) {
    EXPECT_EQ(FixedMultiply(-1, 1), -1);
    EXPECT_EQ(FixedMultiply(3, 1 << 29), 1);
    EXPECT_EQ(FixedMultiply(1 << 30, -5), -5);
    EXPECT_EQ(GradeOf(1, 3), 2730);
    EXPECT_EQ(GradeOf(-1, 3), -2730);
    EXPECT_THROW(GradeOf(1, 0), Util::XAssertion);
}

TEST(TrkFixedPoint, AnglesWrapAroundTheTurn) {
    EXPECT_EQ(AngleOf(1, 0), 1 << 30);
    EXPECT_NEAR(AngleOf(1, 1), 1 << 29, 1);
    EXPECT_EQ(AngleOf(0, -1), std::numeric_limits<std::int32_t>::min());  // half a turn
    EXPECT_EQ(SinFixed(1 << 30), 1 << 30);
    EXPECT_EQ(CosFixed(1 << 30), 0);
    EXPECT_EQ(CosFixed(0), 1 << 30);
    EXPECT_EQ(WrapAdd(std::numeric_limits<std::int32_t>::max(), 1), std::numeric_limits<std::int32_t>::min());
    // The angle unit is 1.462918079266274e-09 rad, a hair under 2 pi / 2^32.
    EXPECT_NEAR(HalfToRadians(1 << 29), std::numbers::pi / 2, 1.0e-11);
    EXPECT_NEAR(HalfToRadians(1 << 30), -std::numbers::pi, 1.0e-11);
}

TEST(TrkFixedPoint, UnitsTruncateAndRefuseWhatTheyCannotHold) {
    EXPECT_EQ(ToUnits(1.0), 19685);
    EXPECT_EQ(ToUnits(-1.0), -19685);
    EXPECT_DOUBLE_EQ(ToMetres(19685), 0.999998);
    EXPECT_THROW(ToUnits(1.0e6), Util::XUsage);
    EXPECT_THROW(ToUnits(std::numeric_limits<double>::quiet_NaN()), Util::XUsage);
}

TEST(TrkFixedPoint, PitchIsTheSlopeAngleOfTheGrade) {
    EXPECT_DOUBLE_EQ(GradeToSlope(4096), std::numbers::pi / 6);
    EXPECT_DOUBLE_EQ(GradeToSlope(-8192), -std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(GradeToSlope(20000), std::numbers::pi / 2);
}

}  // namespace
}  // namespace Tessel::Papy
