#include "Linewright/Spline.h"
#include "Util/Exception.h"
#include "tests/Failures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

using namespace Linewright;
using Testing::BrokenCheck;

TEST(Spline, ValueAndSlopeMatchTheSegmentEnds) {
    // y0 = 2, dy = 3, M0 = 0.6, M1 = -1.2: S(0) = y0, S(1) = y0 + dy, and the slope is the
    // derivative of the value.
    EXPECT_DOUBLE_EQ(SplineValue(2.0, 3.0, 0.6, -1.2, 0.0), 2.0);
    EXPECT_DOUBLE_EQ(SplineValue(2.0, 3.0, 0.6, -1.2, 1.0), 5.0);
    const double h = 1e-6;
    const double numeric = (SplineValue(2.0, 3.0, 0.6, -1.2, 0.4 + h) - SplineValue(2.0, 3.0, 0.6, -1.2, 0.4 - h)) / (2 * h);
    EXPECT_NEAR(SplineSlope(3.0, 0.6, -1.2, 0.4), numeric, 1e-8);
}

TEST(Spline, InverseFindsTheParameterAndAlwaysEnds) {
    const double t = SplineInverse(2.0, 3.0, 0.6, -1.2, 3.7, 0.5);
    EXPECT_NEAR(SplineValue(2.0, 3.0, 0.6, -1.2, t), 3.7, 1e-9);
    // A target at the segment's end gives t = 1, which callers accept.
    EXPECT_NEAR(SplineInverse(2.0, 3.0, 0.0, 0.0, 5.0, 0.9), 1.0, 1e-12);
    // A flat segment (a car standing still) has no slope to follow.
    EXPECT_TRUE(std::isnan(SplineInverse(1.0, 0.0, 0.0, 0.0, 1.0, 0.5)));
    // t^3 - 2t + 2: Newton's method from 0 cycles between 0 and 1 for ever.
    EXPECT_TRUE(std::isnan(SplineInverse(2.0, -1.0, 0.0, 6.0, 0.0, 0.0)));
    EXPECT_TRUE(std::isnan(SplineInverse(NAN, 1.0, 0.0, 0.0, 0.5, 0.5)));
}

TEST(Spline, WrapAngleTakesTheShortWayAcrossPi) {
    const double pi = std::numbers::pi;
    EXPECT_NEAR(WrapAngle(-pi + 0.01, pi - 0.02), 0.03, 1e-12);
    EXPECT_NEAR(WrapAngle(pi - 0.02, -pi + 0.01), -0.03, 1e-12);
    EXPECT_DOUBLE_EQ(WrapAngle(0.5, 0.2), 0.5 - 0.2);
    // One correction only.
    EXPECT_NEAR(WrapAngle(5 * pi, 0.0), 3 * pi, 1e-12);
}

TEST(SolveTridiagonal, SolvesTheSplineSystemAndLeavesItsInputs) {
    const std::size_t n = 9;
    const BandedMatrix A = SplineMatrix(n);
    Vector b(n);
    for (std::size_t i = 0; i < n; ++i)
        b[i] = std::sin(1.7 * i) * 10.0;
    const BandedMatrix copyOfA = A;
    const Vector copyOfB = b;
    Vector x(n);
    SolveTridiagonal(A, b, x);
    for (std::size_t i = 0; i < n; ++i) {
        double row = 0.0;
        for (std::size_t j = (i > 0 ? i - 1 : 0); j < std::min(n, i + 2); ++j)
            row += A(i, j) * x[j];
        EXPECT_NEAR(row, b[i], 1e-12);
        EXPECT_EQ(b[i], copyOfB[i]);
        for (std::size_t j = (i > 0 ? i - 1 : 0); j < std::min(n, i + 2); ++j)
            EXPECT_EQ(A(i, j), copyOfA(i, j));
    }
}

TEST(SolveTridiagonal, RefusesMismatchedSizesAndZeroPivots) {
    const BandedMatrix A = SplineMatrix(4);
    Vector four(4, 1.0), three(3, 1.0);
    EXPECT_EQ(BrokenCheck([&] { SolveTridiagonal(A, three, three); }), "input_matrix_A.size1() == n");
    const BandedMatrix wide(4, 5, 1, 1);
    EXPECT_EQ(BrokenCheck([&] { SolveTridiagonal(wide, four, four); }), "input_matrix_A.size2() == n");
    EXPECT_EQ(BrokenCheck([&] { SolveTridiagonal(A, four, three); }), "vector_x.size() == n");
    BandedMatrix singular = SplineMatrix(4);
    singular(0, 0) = 0.0;
    EXPECT_EQ(BrokenCheck([&] { SolveTridiagonal(singular, four, four); }), "matrix_A(i, i) != 0.0");
}
