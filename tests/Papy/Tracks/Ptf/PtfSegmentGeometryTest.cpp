#include "Papy/Tracks/Ptf/PtfSegmentGeometry.h"
#include "tests/Failures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using Linewright::Testing::BrokenCheck;
using Tessel::Papy::PtfSegmentGeometry;

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double Degree = Pi / 180.0;

struct Point {
    double x = 0.0;
    double y = 0.0;
};

Point At(const PtfSegmentGeometry& segment, double t, double lateral) {
    Point p;
    segment.GetPosition(t, lateral, segment.GetHeading(t), p.x, p.y);
    return p;
}

}  // namespace

TEST(PtfSegmentGeometry, StraightRunsAlongItsChord) {
    const PtfSegmentGeometry straight(false, 0.0, 0.0, 0.0, 100.0, 0.0, 0.0);
    EXPECT_DOUBLE_EQ(straight.GetLength(), 100.0);
    const Point p = At(straight, 0.5, 2.0);
    EXPECT_NEAR(p.x, 50.0, 1e-12);
    EXPECT_NEAR(p.y, 2.0, 1e-12);
    EXPECT_EQ(straight.GetHeading(0.5), 0.0);
    EXPECT_DOUBLE_EQ(PtfSegmentGeometry(false, 1.0, 2.0, 0.0, 4.0, 6.0, 0.0).GetLength(), 5.0);
}

TEST(PtfSegmentGeometry, QuarterCirclesTurnEitherWay) {
    const PtfSegmentGeometry left(true, 0.0, 0.0, 0.0, 10.0, 10.0, Pi / 2.0);
    EXPECT_NEAR(left.GetArc().centreX, 0.0, 1e-9);
    EXPECT_NEAR(left.GetArc().centreY, 10.0, 1e-9);
    EXPECT_NEAR(left.GetArc().radius, 10.0, 1e-9);
    EXPECT_NEAR(left.GetArc().angle, Pi / 2.0, 1e-12);
    EXPECT_NEAR(left.GetLength(), 5.0 * Pi, 1e-9);
    const Point start = At(left, 0.0, 1.0);
    EXPECT_NEAR(start.x, 0.0, 1e-9);
    EXPECT_NEAR(start.y, 1.0, 1e-9);
    const Point end = At(left, 1.0, 0.0);
    EXPECT_NEAR(end.x, 10.0, 1e-9);
    EXPECT_NEAR(end.y, 10.0, 1e-9);

    const PtfSegmentGeometry right(true, 0.0, 0.0, 0.0, 10.0, -10.0, -Pi / 2.0);
    EXPECT_NEAR(right.GetArc().centreY, -10.0, 1e-9);
    EXPECT_NEAR(right.GetArc().radius, 10.0, 1e-9);
    EXPECT_NEAR(right.GetArc().angle, -Pi / 2.0, 1e-12);
    for (double t : {0.0, 0.3, 1.0}) {
        const Point p = At(right, t, 1.0);  // to the left of travel: outside a right turn
        EXPECT_NEAR(std::hypot(p.x - 0.0, p.y + 10.0), 11.0, 1e-9) << t;
    }
}

TEST(PtfSegmentGeometry, HeadingsInterpolateTheShortWayThroughZero) {
    const PtfSegmentGeometry bend(true, 0.0, 0.0, 350.0 * Degree, 0.0, 0.0, 10.0 * Degree);
    EXPECT_EQ(bend.GetHeading(0.0), 350.0 * Degree);
    EXPECT_EQ(bend.GetHeading(1.0), 10.0 * Degree);
    EXPECT_NEAR(bend.GetHeading(0.25), 355.0 * Degree, 1e-12);
    EXPECT_NEAR(bend.GetHeading(0.75), 5.0 * Degree, 1e-12);
    EXPECT_NEAR(std::cos(bend.GetHeading(0.5)), 1.0, 1e-12);
    // And the other way round.
    const PtfSegmentGeometry back(false, 0.0, 0.0, 10.0 * Degree, 1.0, 0.0, 350.0 * Degree);
    EXPECT_NEAR(back.GetHeading(0.75), 355.0 * Degree, 1e-12);
    // Headings less than half a turn apart are not touched.
    const PtfSegmentGeometry plain(false, 0.0, 0.0, 10.0 * Degree, 1.0, 0.0, 100.0 * Degree);
    EXPECT_NEAR(plain.GetHeading(0.5), 55.0 * Degree, 1e-12);
}

TEST(PtfSegmentGeometry, RefusesArcsThatAreNoCircle) {
    EXPECT_EQ(BrokenCheck([] { PtfSegmentGeometry(true, 0.0, 0.0, 0.0, 10.0, 10.0, 0.0); }), "denominator1 != 0.0");
    // A position that is no number gives a centre that is none either.
    EXPECT_EQ(BrokenCheck([] { PtfSegmentGeometry(true, std::nan(""), 0.0, 0.0, 1.0, 0.5, 1.0); }),
              "fabs(centre_x1 - centre_x2) < 0.001");
    // Opposite end headings: the end normals are all but parallel, and the centres found from
    // either end lie far off and apart.
    EXPECT_EQ(BrokenCheck([] { PtfSegmentGeometry(true, 0.0, 0.0, 0.0, 1.0, 0.5, Pi); }),
              "fabs(centre_y1 - centre_y2) < 0.001");
    // A straight is never checked as an arc.
    EXPECT_DOUBLE_EQ(PtfSegmentGeometry(false, 0.0, 0.0, 0.0, 3.0, 4.0, 1.0).GetLength(), 5.0);
}
