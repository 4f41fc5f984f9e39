#include "Linewright/LapPreview.h"
#include "Linewright/SpeedScale.h"
#include "Papy/Tracks/Trk/GPLTrkFile.h"
#include "Papy/Tracks/Trk/TrkTrack.h"
#include "Samples/GPLTrkWriter.h"
#include "testing/MemoryStream.h"

#include <gtest/gtest.h>

using namespace Linewright;

namespace {

std::vector<LinePoint> Line(std::vector<std::pair<double, double>> longitudeAndLateral) {
    std::vector<LinePoint> line;
    for (const auto& [longitude, lateral] : longitudeAndLateral)
        line.push_back({longitude, lateral, 0.0, {}});
    return line;
}

}  // namespace

TEST(LapPreview, TheOutlineFollowsTheOuterSurfaceBoundaries) {
    const auto file = std::make_shared<Tessel::Papy::GPLTrkFile>(
        Testing::MemoryStream(Samples::WriteGPLTrk(Samples::SampleTrkShape()), "sample.trk").stream);
    const Tessel::Papy::TrkTrack track(file);
    const TrackOutline outline = OutlineTrack(track);
    // The sample starts at (100, -50) heading along x; grass and gravel reach 10 m either side,
    // the walls beyond them are no surface.
    ASSERT_GT(outline.left.size(), track.Get2DLength() / 2.0);
    EXPECT_NEAR(outline.left.front().x, 100.0, 1e-3);
    EXPECT_NEAR(outline.left.front().y, -40.0, 1e-3);
    EXPECT_NEAR(outline.right.front().y, -60.0, 1e-3);
    EXPECT_EQ(outline.left.size(), outline.right.size());
    EXPECT_EQ(outline.left.back().x, outline.left.front().x);
    EXPECT_EQ(outline.right.back().y, outline.right.front().y);
}

TEST(LapPreview, TheLargestGapComparesAtTheNewLinesLongitudes) {
    // The existing line has another spacing; it is read linearly between its records, and the
    // new record before its first one is not compared.
    const auto gap = FindLargestGap(Line({{3, 0}, {6, 1}, {9, 2}, {12, 0}}), Line({{4, 0}, {8, 0}, {12, 3}}));
    ASSERT_TRUE(gap);
    EXPECT_DOUBLE_EQ(gap->gap, -3.0);
    EXPECT_DOUBLE_EQ(gap->longitude, 12.0);
    EXPECT_EQ(DescribeGap("race", *gap), "Largest lateral gap to the existing race.lp: 3.00 m at 12 m from the start line");
    EXPECT_FALSE(FindLargestGap(Line({{3, 0}, {6, 1}}), Line({{9, 0}, {12, 0}})));
    EXPECT_FALSE(FindLargestGap(Line({{3, 0}}), {}));
}

TEST(LapPreview, TheSpeedScaleSpansTheLapAndWidensASteadyOne) {
    const auto& stops = SpeedScale::GetStops();
    const SpeedScale scale(20.0, 60.0);
    EXPECT_EQ(scale.GetColour(20.0), stops.front().colour);
    EXPECT_EQ(scale.GetColour(60.0), stops.back().colour);
    EXPECT_EQ(scale.GetColour(80.0), stops.back().colour);
    EXPECT_DOUBLE_EQ(scale.GetPosition(30.0), 0.25);
    const SpeedScale steady(46.0, 46.2);
    EXPECT_DOUBLE_EQ(steady.GetSlowest(), 46.1 - SpeedScale::minimumSpan / 2);
    EXPECT_DOUBLE_EQ(steady.GetPosition(46.1), 0.5);
}
