#include "tests/Papy/TrkTestFiles.h"

#include "Papy/Tracks/Trk/TrkFixedPoint.h"
#include "Papy/Tracks/Trk/TrkTrack.h"
#include "Util/Exception.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace Tessel::Papy {
namespace {

using Linewright::Samples::SampleTrkShape;
using Linewright::Samples::WriteGPLTrk;

constexpr double pi = std::numbers::pi;
constexpr double Close = 2.0e-4;  // metres: a few track units

class TrkTrackTest : public testing::Test {
protected:
    TrkTrackTest() : file(ReadGPLTrk(WriteGPLTrk(SampleTrkShape()))), track(file) {}

    // Where the writer's pieces start (the sample's start plus the first four pieces).
    static constexpr double ChicaneDrop = 80.0 * (1.0 - 0.8660254037844386) * 2.0;
    double TurnCentreY() const { return -50.0 - ChicaneDrop + 100.0; }

    std::shared_ptr<GPLTrkFile> file;
    TrkTrack track;
};

void ExpectPoint(const TrackPoint& point, double x, double y, double z, double heading) {
    EXPECT_NEAR(point.x, x, Close);
    EXPECT_NEAR(point.y, y, Close);
    EXPECT_NEAR(point.z, z, Close);
    EXPECT_NEAR(point.heading, heading, 1.0e-6);
}

TEST_F(TrkTrackTest, ClosesOnItself) {
    const int count = file->GetSectionCount();
    for (int s = 0; s < count; ++s) {
        const std::int32_t end = s + 1 < count ? file->GetSectionStart(s + 1) : file->GetTrackLength();
        for (const std::int32_t lateral : {-236220, 0, 78740, 400000}) {
            const TrackPoint last = file->GetPoint(end - 1, lateral);
            const TrackPoint next = file->GetPoint(end, lateral);
            EXPECT_LT(std::hypot(last.x - next.x, last.y - next.y), 5 * TrackUnitMetres) << s;
            EXPECT_NEAR(last.z, next.z, 5 * TrackUnitMetres) << s;
        }
    }
    const auto last = track.GetSegment(count - 1);
    EXPECT_EQ(last->GetEndX(), track.GetSegment(0)->GetStartX());
    EXPECT_EQ(last->GetEndY(), track.GetSegment(0)->GetStartY());
}

TEST_F(TrkTrackTest, HorizontalLengthsMatchTheShape) {
    const auto shape = SampleTrkShape();
    EXPECT_NEAR(track.Get2DLength(), shape.Get2DLength(), 1.0e-3);
    double start = 0.0;
    for (std::uint32_t s = 0; s < track.GetSegmentCount(); ++s) {
        EXPECT_NEAR(track.GetSegment(s)->Get2DLength(), shape.pieces[s].Get2DLength(), 1.0e-3) << s;
        EXPECT_NEAR(track.GetSegment2DLongitude(s), start, 1.0e-3) << s;
        start += shape.pieces[s].Get2DLength();
    }
    // Only the climbing turns are longer on the surface.
    EXPECT_NEAR(track.GetSegment(0)->GetLength(), 200.0, 1.0e-4);
    EXPECT_GT(track.GetSegment(4)->GetLength(), track.GetSegment(4)->Get2DLength() + 1.0e-3);
    EXPECT_NEAR(track.GetLength(), ToMetres(file->GetTrackLength()), 1.0e-9);
}

TEST_F(TrkTrackTest, PointsOnAStraight) {
    ExpectPoint(track.GetPoint(50.0, 3.0), 150.0, -47.0, 0.0, 0.0);
    const TrackPoint point = track.GetPoint(50.0, 3.0);
    EXPECT_EQ(point.pitch, 0.0);
    EXPECT_EQ(point.bank, 0.0);
    // Strips: wall, grass, road, gravel, wall from right to left; beyond them the last one.
    const std::vector<std::pair<double, std::int32_t>> surfaces = {
        {-30.0, 0}, {-11.0, 0}, {-9.0, 6}, {-8.0, 1}, {0.0, 1}, {9.0, 3}, {11.0, 0}, {30.0, 0}};
    for (const auto& [lateral, surface] : surfaces)
        EXPECT_EQ(track.GetPoint(50.0, lateral).surface, surface) << lateral;
}

TEST_F(TrkTrackTest, PointsOnAClimbingBankedTurn) {
    const double start = track.GetSegment2DLongitude(4);
    const double quarter = track.GetSegment(4)->Get2DLength() / 4.0;  // fraction 0.25
    const double heading = pi / 8.0;
    const double centreX = 580.0, centreY = TurnCentreY();
    const double smooth = 3.0 * 0.25 * 0.25 - 2.0 * 0.25 * 0.25 * 0.25;
    // On line 3 (4 m): its own altitude, and the bank towards line 4 (12 m).
    TrackPoint point = track.GetPoint(start + quarter, 4.0);
    ExpectPoint(point, centreX + 96.0 * std::sin(heading), centreY - 96.0 * std::cos(heading), 2.2 * smooth, heading);
    EXPECT_NEAR(point.bank, std::atan2(0.4 * smooth, 8.0), 1.0e-5);
    const double grade = 2.2 * (6.0 * 0.25 - 6.0 * 0.25 * 0.25) / track.GetSegment(4)->GetLength();
    EXPECT_NEAR(point.pitch, std::asin(grade), 2.0e-4);
    // Halfway between lines 3 and 4 altitude and grade are interpolated.
    point = track.GetPoint(start + quarter, 8.0);
    EXPECT_NEAR(point.z, 2.4 * smooth, Close);
    EXPECT_NEAR(point.bank, std::atan2(0.4 * smooth, 8.0), 1.0e-5);
    // Left of the last line and right of the first, the outer line's altitude, no bank, and
    // the full lateral move.
    point = track.GetPoint(start + quarter, 20.0);
    ExpectPoint(point, centreX + 80.0 * std::sin(heading), centreY - 80.0 * std::cos(heading), 2.6 * smooth, heading);
    EXPECT_EQ(point.bank, 0.0);
    point = track.GetPoint(start + quarter, -20.0);
    ExpectPoint(point, centreX + 120.0 * std::sin(heading), centreY - 120.0 * std::cos(heading), 1.4 * smooth, heading);
    EXPECT_EQ(point.bank, 0.0);
    EXPECT_NEAR(point.pitch, std::asin(1.4 * 1.125 / track.GetSegment(4)->GetLength()), 2.0e-4);
}

TEST_F(TrkTrackTest, LongitudesWrapAndSectionEndsBelongToTheNextSection) {
    double offset = -1.0;
    EXPECT_EQ(track.FindSegment(track.GetSegment2DLongitude(5), offset), track.GetSegment(5));
    EXPECT_EQ(offset, 0.0);
    EXPECT_EQ(track.FindSegment(track.Get2DLength(), offset), track.GetSegment(0));
    EXPECT_EQ(offset, 0.0);
    EXPECT_EQ(track.FindSegment(-1.0, offset), track.GetSegment(11));
    EXPECT_NEAR(offset, track.GetSegment(11)->Get2DLength() - 1.0, 1.0e-3);
    EXPECT_EQ(track.Get3DLongitude(track.GetSegment2DLongitude(5)), track.GetSegmentLongitude(5));
    EXPECT_EQ(track.Get3DLongitude(track.Get2DLength()), 0.0);
    ExpectPoint(track.GetPoint(track.Get2DLength(), 0.0), 100.0, -50.0, 0.0, 0.0);
    const TrackPoint before = track.GetPoint(-10.0, 1.0);
    const TrackPoint after = track.GetPoint(track.Get2DLength() - 10.0, 1.0);
    EXPECT_NEAR(before.x, after.x, Close);
    EXPECT_NEAR(before.y, after.y, Close);
    // Any number of laps ends; a longitude that no float holds is refused like a lateral offset
    // that no track unit count holds.
    EXPECT_NO_THROW(track.GetPoint(1.0e30, 0.0));
    EXPECT_THROW(track.GetPoint(std::numeric_limits<double>::quiet_NaN(), 0.0), Util::XUsage);
    EXPECT_THROW(track.FindSegment(1.0e300, offset), Util::XUsage);
    EXPECT_THROW(track.GetPoint(0.0, 1.0e6), Util::XUsage);
}

TEST_F(TrkTrackTest, SegmentsEvaluateLikeTheTrack) {
    for (std::uint32_t s = 0; s < track.GetSegmentCount(); ++s) {
        const auto segment = track.GetSegment(s);
        const double offset = segment->Get2DLength() / 3.0;
        const TrackPoint own = segment->GetPoint(offset, -2.5);
        const TrackPoint overall = track.GetPoint(track.GetSegment2DLongitude(s) + offset, -2.5);
        EXPECT_EQ(own.x, overall.x);
        EXPECT_EQ(own.z, overall.z);
        EXPECT_EQ(own.surface, overall.surface);
    }
    EXPECT_THROW(track.GetSegment(12), Util::XAssertion);
    EXPECT_THROW(track.GetSegmentLongitude(12), Util::XAssertion);
    EXPECT_THROW(track.GetSegment(0)->GetXSection(5), Util::XAssertion);
}

void ExpectArc(const TrackSegment& segment, double x, double y, double radius, double angle) {
    double arc[4] = {};
    segment.GetArc(arc[0], arc[1], arc[2], arc[3]);
    EXPECT_TRUE(segment.IsCurve());
    EXPECT_NEAR(arc[0], x, Close);
    EXPECT_NEAR(arc[1], y, Close);
    EXPECT_NEAR(arc[2], radius, Close);
    EXPECT_NEAR(arc[3], angle, 1.0e-6);
}

TEST_F(TrkTrackTest, SegmentsDescribeTheirShape) {
    EXPECT_FALSE(track.GetSegment(0)->IsCurve());
    EXPECT_NEAR(track.GetSegment(0)->GetEndX(), 300.0, Close);
    ExpectArc(*track.GetSegment(1), 300.0, -130.0, 80.0, -pi / 6.0);
    EXPECT_NEAR(track.GetSegment(1)->GetEndHeading(), -pi / 6.0, 1.0e-6);
    ExpectArc(*track.GetSegment(4), 580.0, TurnCentreY(), 100.0, pi / 2.0);
    EXPECT_NEAR(track.GetSegment(4)->GetStartHeading(), 0.0, 1.0e-6);
}

TEST_F(TrkTrackTest, SectionsOfASegment) {
    const auto segment = track.GetSegment(4);
    ASSERT_EQ(segment->GetFSectionCount(), 5u);
    ASSERT_EQ(segment->GetWSectionCount(), 2u);
    ASSERT_EQ(segment->GetXSectionCount(), 5u);
    const auto road = segment->GetFSection(2);
    EXPECT_NEAR(road->GetStartLeft(), -8.0, Close);
    EXPECT_NEAR(road->GetEndRight(), 8.0, Close);
    EXPECT_EQ(road->GetType(), 1);
    EXPECT_EQ(road->GetVariant(), 0);
    const auto wall = segment->GetWSection(1);
    EXPECT_NEAR(wall->GetStartOffset(), 11.0, Close);
    EXPECT_NEAR(wall->GetEndWidth(), 2.0, Close);
    EXPECT_NEAR(wall->GetEndHeight(), 0.75, Close);
    EXPECT_EQ(wall->GetType(), 10);

    const auto line = segment->GetXSection(3);
    EXPECT_NEAR(line->GetStartOffset(), 4.0, Close);
    EXPECT_NEAR(line->GetEndAltitude(), 2.2, Close);
    EXPECT_NEAR(line->GetEndGrade(), 0.0, Close);
    EXPECT_NEAR(line->GetQuadraticTerm(), 6.6, Close);
    const double offset = segment->Get2DLength() / 4.0;
    EXPECT_EQ(line->GetAltitude(offset), segment->GetPoint(offset, line->GetStartOffset()).z);

    line->SetAltitude(1.0, 3.0, 0.5, -0.25);
    EXPECT_NEAR(line->GetStartAltitude(), 1.0, Close);
    EXPECT_NEAR(line->GetEndAltitude(), 3.0, Close);
    EXPECT_NEAR(line->GetStartGrade(), 0.5, Close);
    EXPECT_NEAR(line->GetEndGrade(), -0.25, Close);
    EXPECT_EQ(file->GetGradeC2(4, 3), 3 * file->GetAltitudeC3(4, 3));

    line->SetOffset(5.0, 6.0);  // TRK lines do not slant
    EXPECT_NEAR(line->GetEndOffset(), 4.0, Close);
    line->SetOffset(5.0, 5.0);
    EXPECT_NEAR(track.GetSegment(0)->GetXSection(3)->GetEndOffset(), 5.0, Close);
}

}  // namespace
}  // namespace Tessel::Papy
