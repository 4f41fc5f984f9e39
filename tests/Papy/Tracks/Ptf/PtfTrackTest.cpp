#include "Papy/Objects/N4DescriptorRegistry.h"
#include "Papy/Objects/N4TdoFile.h"
#include "Papy/Tracks/Ptf/PtfTrack.h"
#include "Papy/Tracks/Ptf/PtfTrackXSection.h"
#include "Samples/N4NodeWriters.h"
#include "testing/MemoryStream.h"
#include "tests/Failures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace Papy = Tessel::Papy;
namespace Samples = Linewright::Samples;
namespace Testing = Linewright::Testing;
using Samples::ArchiveRef;

namespace {

constexpr double Pi = std::numbers::pi;

std::shared_ptr<Papy::N4TdoFile> Load(const std::string& bytes) {
    return std::make_shared<Papy::N4TdoFile>(Testing::MemoryStream(bytes, "t.ptf").stream,
                                             Papy::N4DescriptorRegistry());
}

std::shared_ptr<Papy::PtfTrack> TrackOf(const ArchiveRef& root) {
    return std::make_shared<Papy::PtfTrack>(Load(Samples::WriteArchive(root)), "t.ptf");
}

// Lines at constant offsets, each level at its altitude.
std::vector<ArchiveRef> Lines(const std::vector<std::pair<double, double>>& offsetAndAltitude) {
    std::vector<ArchiveRef> lines;
    for (const auto& [offset, altitude] : offsetAndAltitude)
        lines.push_back(Samples::PtfXSection({offset, altitude, 0.0, offset, altitude, 0.0}));
    return lines;
}

std::vector<ArchiveRef> Boundaries() {
    return {Samples::PtfFSection(-12.0, -12.0, 3), Samples::PtfFSection(-8.0, -8.0, 1),
            Samples::PtfFSection(8.0, 8.0, 4), Samples::PtfFSection(12.0, 12.0, 3)};
}

Samples::PtfSegmentFields Segment(std::uint32_t type, double sx, double sy, double sh, double ex, double ey,
                                double eh) {
    Samples::PtfSegmentFields fields;
    fields.type = type;
    fields.startX = sx;
    fields.startY = sy;
    fields.startHeading = sh;
    fields.endX = ex;
    fields.endY = ey;
    fields.endHeading = eh;
    fields.xSections = Lines({{0.0, 0.0}});
    fields.fSections = Boundaries();
    return fields;
}

std::shared_ptr<Papy::PtfTrack> OneSegment(const Samples::PtfSegmentFields& fields) {
    return TrackOf(Samples::PtfTrack({Samples::PtfSegment(fields)}));
}

void ExpectAt(const Papy::TrackPoint& point, double x, double y) {
    EXPECT_NEAR(point.x, x, 1e-9);
    EXPECT_NEAR(point.y, y, 1e-9);
}

}  // namespace

// The arithmetic of straights, arcs and headings is PtfSegmentGeometry's (PtfSegmentGeometryTest);
// here a left quarter circle shows that the track's segments evaluate through it.
TEST(PtfTrack, SegmentsEvaluateThroughTheirGeometry) {
    const auto left = OneSegment(Segment(1, 0.0, 0.0, 0.0, 10.0, 10.0, Pi / 2.0));
    double cx, cy, radius, angle;
    left->GetSegment(0)->GetArc(cx, cy, radius, angle);
    EXPECT_NEAR(cy, 10.0, 1e-9);
    EXPECT_TRUE(left->GetSegment(0)->IsCurve());
    EXPECT_NEAR(left->GetLength(), 5.0 * Pi, 1e-9);
    EXPECT_NEAR(left->GetHeading(left->GetLength() / 2.0), Pi / 4.0, 1e-12);
    ExpectAt(left->GetPoint(0.0, 1.0), 0.0, 1.0);
    ExpectAt(left->GetPoint(left->GetLength() / 2.0, 0.0), 10.0 * std::sin(Pi / 4.0), 10.0 - 10.0 * std::cos(Pi / 4.0));
}

TEST(PtfTrack, CrossSectionsGiveAltitudeBankAndSurface) {
    Samples::PtfSegmentFields fields = Segment(0, 0.0, 0.0, 0.0, 100.0, 0.0, 0.0);
    fields.xSections = Lines({{-5.0, 1.0}, {0.0, 2.0}, {5.0, 4.0}});
    const auto track = OneSegment(fields);
    // On the last line: no interpolation, no bank.
    const Papy::TrackPoint edge = track->GetPoint(40.0, 5.0);
    EXPECT_DOUBLE_EQ(edge.z, 4.0);
    EXPECT_EQ(edge.bank, 0.0);
    // Half way between the second and third lines.
    const Papy::TrackPoint between = track->GetPoint(40.0, 2.5);
    EXPECT_DOUBLE_EQ(between.z, 3.0);
    EXPECT_DOUBLE_EQ(between.bank, std::atan2(2.0, 5.0));
    // Right of the first line: the first line's altitude, level.
    EXPECT_DOUBLE_EQ(track->GetPoint(40.0, -7.0).z, 1.0);
    EXPECT_EQ(track->GetPoint(40.0, -7.0).bank, 0.0);

    // Surface: the band right of the first boundary left of the point, kinds stored plus one.
    EXPECT_EQ(track->GetPoint(10.0, 0.0).surface, 3);
    EXPECT_EQ(track->GetPoint(10.0, -10.0).surface, 0);
    EXPECT_EQ(track->GetPoint(10.0, 10.0).surface, 2);
    EXPECT_EQ(track->GetPoint(10.0, 20.0).surface, 2);  // past the last boundary
    const auto segment = track->GetSegment(0);
    ASSERT_EQ(segment->GetFSectionCount(), 3u);
    EXPECT_EQ(segment->GetFSection(0)->GetStartRight(), -12.0);
    EXPECT_EQ(segment->GetFSection(0)->GetStartLeft(), -8.0);
    EXPECT_EQ(segment->GetFSection(0)->GetType(), 0);
    EXPECT_EQ(segment->GetFSection(1)->GetType(), 3);
    EXPECT_EQ(segment->GetFSection(2)->GetVariant(), 0);
}

TEST(PtfTrack, PitchOnAHillIsTheSlopeAngle) {
    // 200 m rising 2 m at an even 1 %: the grade is the rise per whole segment.
    Samples::PtfSegmentFields fields = Segment(0, 0.0, 0.0, 0.0, 200.0, 0.0, 0.0);
    fields.xSections = {Samples::PtfXSection({-5.0, 0.0, 2.0, -5.0, 2.0, 2.0}),
                      Samples::PtfXSection({5.0, 0.0, 2.0, 5.0, 2.0, 2.0})};
    const auto track = OneSegment(fields);
    for (const double longitude : {0.0, 50.0, 100.0, 199.0}) {
        const Papy::TrackPoint point = track->GetPoint(longitude, 1.0);
        EXPECT_NEAR(point.pitch, std::atan(0.01), 1e-12) << longitude;
        EXPECT_NEAR(point.z, longitude / 100.0, 1e-12) << longitude;
    }
    // A crest: up, level at the top, down; the slope follows the cubic's derivative.
    fields.xSections = {Samples::PtfXSection({0.0, 0.0, 8.0, 0.0, 0.0, -8.0})};
    const auto crest = OneSegment(fields);
    EXPECT_NEAR(crest->GetPoint(0.0, 0.0).pitch, std::atan(8.0 / 200.0), 1e-12);
    EXPECT_NEAR(crest->GetPoint(100.0, 0.0).pitch, 0.0, 1e-12);
    EXPECT_NEAR(crest->GetPoint(100.0, 0.0).z, 2.0, 1e-12);
    EXPECT_DOUBLE_EQ(crest->GetSegment(0)->GetXSection(0)->GetAltitude(0.5), 2.0);  // takes the fraction, not metres
}

TEST(PtfTrack, LongitudesRunOverTheSegmentsIntoTheNextLap) {
    const auto track = TrackOf(Samples::PtfTrackTree(Samples::SamplePtfShape()));
    const double lap = 600.0 + 100.0 * Pi;
    EXPECT_NEAR(track->GetLength(), lap, 1e-6);
    EXPECT_EQ(track->GetLength(), track->Get2DLength());
    EXPECT_EQ(track->Get3DLongitude(123.4), 123.4);
    ASSERT_EQ(track->GetSegmentCount(), 8u);
    EXPECT_DOUBLE_EQ(track->GetSegment2DLongitude(1), 200.0);
    EXPECT_EQ(track->GetSegmentLongitude(3), track->GetSegment2DLongitude(3));
    double offset = 0.0;
    EXPECT_EQ(track->FindSegment(210.0, offset), track->GetSegment(1));
    EXPECT_NEAR(offset, 10.0, 1e-9);
    EXPECT_EQ(track->FindSegment(-3.0, offset), track->GetSegment(0));
    EXPECT_EQ(offset, -3.0);
    EXPECT_EQ(track->FindSegment(lap + 150.0, offset), track->GetSegment(0));
    EXPECT_NEAR(offset, 150.0, 1e-9);
    EXPECT_EQ(Testing::BrokenCheck([&] { track->GetPoint(lap + 200.5, 0.0); }), "false");
    EXPECT_EQ(Testing::BrokenCheck([&] { track->GetPoint(std::nan(""), 0.0); }), "false");
    EXPECT_EQ(Testing::BrokenCheck([&] { track->GetSegment(8); }), "index < segments.size()");

    // A segment's points are the track's at its start plus the offset.
    const auto segment = track->GetSegment(3);
    const Papy::TrackPoint own = segment->GetPoint(20.0, -1.5);
    const Papy::TrackPoint whole = track->GetPoint(track->GetSegment2DLongitude(3) + 20.0, -1.5);
    EXPECT_NEAR(own.x, whole.x, 1e-9);
    EXPECT_NEAR(own.y, whole.y, 1e-9);
    EXPECT_NEAR(own.z, whole.z, 1e-9);
    // The end of the lap is its start.
    ExpectAt(track->GetPoint(lap - 1e-9, 0.0), 0.0, 0.0);
}

TEST(PtfTrack, CrossSectionChangesShowInLaterPoints) {
    const auto track = OneSegment(Segment(0, 0.0, 0.0, 0.0, 100.0, 0.0, 0.0));
    const auto line = track->GetSegment(0)->GetXSection(0);
    line->SetAltitude(1.0, 3.0, 2.0, 2.0);
    EXPECT_DOUBLE_EQ(track->GetPoint(50.0, 0.0).z, 2.0);
    line->SetOffset(-1.0, -1.0);
    EXPECT_EQ(track->GetSegment(0)->GetXSection(0)->GetStartOffset(), -1.0);
}

TEST(PtfTrack, RefusesFilesThatAreNoTrack) {
    const auto fault = [](const ArchiveRef& root) {
        return Testing::FormatFault("t.ptf", [&] { TrackOf(root); });
    };
    Samples::PtfSegmentFields noLines = Segment(0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0);
    noLines.xSections.clear();
    Samples::PtfSegmentFields noBoundaries = Segment(0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0);
    noBoundaries.fSections.clear();
    EXPECT_EQ(fault(Samples::SampleTdoTree()), "N4 ptf root object not a Track");
    EXPECT_EQ(fault(Samples::PtfTrack({})), "N4 ptf Track without segments");
    EXPECT_EQ(fault(Samples::PtfTrack({Samples::PtfSegment(noLines)})), "N4 ptf TrackSegment without X section");
    EXPECT_EQ(fault(Samples::PtfTrack({Samples::PtfSegment(noBoundaries)})),
              "N4 ptf TrackSegment without F section");
    EXPECT_EQ(fault(Samples::PtfTrackTree(Samples::SamplePtfShape())), "accepted");
}

TEST(PtfTrack, WritesItsFileBack) {
    const std::string bytes = Samples::WritePtf(Samples::SamplePtfShape());
    const Papy::PtfTrack track(Load(bytes), "t.ptf");
    Testing::MemoryStream out(std::string(bytes.size(), '\0'), "out.ptf");
    track.Write(out.stream);
    EXPECT_EQ(*out.bytes, bytes);
}
