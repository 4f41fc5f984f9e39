#include "tests/Papy/TrkTestFiles.h"

#include "Papy/Tracks/Trk/TrkTrack.h"
#include "Samples/ICR2TrkWriter.h"
#include "Util/Exception.h"
#include "tests/Failures.h"

#include <gtest/gtest.h>

#include <vector>

namespace Tessel::Papy {
namespace {

using Linewright::Samples::SampleICR2TrkShape;
using Linewright::Samples::TrkBoundary;
using Linewright::Samples::TrkShape;
using Linewright::Samples::TrkWall;
using Linewright::Samples::WriteGPLTrk;
using Linewright::Samples::WriteICR2Trk;

const std::string& SampleBytes() {
    static const std::string bytes = WriteICR2Trk(SampleICR2TrkShape());
    return bytes;
}

TEST(ICR2TrkFile, ReadsTheWritersFieldsBack) {
    const auto file = ReadICR2Trk(SampleBytes());
    const ICR2TrkLayout layout(SampleBytes());
    ASSERT_EQ(file->GetSectionCount(), 6);
    ASSERT_EQ(file->GetXSectionCount(), 3);
    EXPECT_EQ(file->GetXSectionOffset(0), -236220);  // -12 m
    EXPECT_EQ(file->GetTrackLength(), Get32(SampleBytes(), 8));
    EXPECT_FALSE(file->IsCurve(0));
    EXPECT_TRUE(file->IsCurve(1));
    EXPECT_FALSE(file->GetSectionFlag0(1) || file->GetSectionFlag1(1));
    EXPECT_EQ(file->GetSectionExtra(2), 7);
    EXPECT_EQ(file->GetSectionStart(3), Get32(SampleBytes(), layout.Section(3, 4)));
    // The geometry fields show in points equal to those of the GPL file of the same shape (below).
    EXPECT_EQ(file->GetGradeC2(4, 1), 3 * file->GetAltitudeC3(4, 1));
}

TEST(ICR2TrkFile, EveryBoundaryStartsAStripThatTheLastWallEnds) {
    const auto file = ReadICR2Trk(SampleBytes());
    // Boundaries -10 (code 3), -8 (code 30), 8 (code 50); walls -11 (code 4) and 11 (code 2).
    ASSERT_EQ(file->GetStripCount(0), 3);
    EXPECT_EQ(file->GetStripLeftStart(0, 1), -157480);
    EXPECT_EQ(file->GetStripRightEnd(0, 1), 157480);
    EXPECT_EQ(file->GetStripRightStart(0, 2), 216535);  // the last wall, at 11 m
    EXPECT_FALSE(file->IsWallStrip(0, 2));
    EXPECT_EQ(file->GetStripValue(0, 1), 0);
    EXPECT_EQ(file->GetStripAttributeCount(0, 1), 0);
    ASSERT_EQ(file->GetWallCount(5), 2);
    EXPECT_EQ(file->GetWallLeftStart(5, 0), -216535);
    EXPECT_EQ(file->GetWallRightEnd(5, 0), -216535);  // walls have no width
    EXPECT_EQ(file->GetWallHeight(5, 1), 20000);
    EXPECT_EQ(file->GetWallKind(5, 0), 3);
    EXPECT_EQ(file->GetWallKind(5, 1), 10);
    EXPECT_EQ(file->GetWallAttributeCount(), 0);
}

TEST(ICR2TrkFile, MapsTheSurfaceAndWallCodes) {
    TrkShape shape = SampleICR2TrkShape();
    const std::vector<std::int32_t> codes = {0, 6, 7, 22, 23, 38, 39, 46, 47, 54, 55, -1};
    shape.pieces[0].boundaries.clear();
    for (std::size_t j = 0; j < codes.size(); ++j)
        shape.pieces[0].boundaries.push_back({-6.0 + j, -6.0 + j, codes[j], false, 0, 0, 0});
    shape.pieces[0].walls = {{0, -11.0, -11.0}, {6, 11.0, 11.0}, {1, 11.5, 11.5}};
    const auto file = ReadICR2Trk(WriteICR2Trk(shape));
    const std::vector<std::pair<std::int32_t, std::int32_t>> kinds = {{3, -6}, {3, 0},  {4, -15}, {4, 0}, {1, -15},
                                                                      {1, 0},  {0, -7}, {0, 0},   {6, -7}, {6, 0}};
    for (int j = 0; j < 10; ++j) {
        EXPECT_EQ(file->GetSurfaceKind(0, j), kinds[j].first) << codes[j];
        EXPECT_EQ(file->GetSurfaceVariant(0, j), kinds[j].second) << codes[j];
    }
    for (int j : {10, 11}) {
        EXPECT_EQ(Linewright::Testing::BrokenCheck([&] { file->GetSurfaceKind(0, j); }), "false") << codes[j];
        EXPECT_EQ(Linewright::Testing::BrokenCheck([&] { file->GetSurfaceVariant(0, j); }), "false") << codes[j];
    }
    EXPECT_EQ(file->GetWallKind(0, 0), 0);
    EXPECT_EQ(file->GetWallKind(0, 1), 4);
    EXPECT_EQ(Linewright::Testing::BrokenCheck([&] { file->GetWallKind(0, 2); }), "false");
}

TEST(ICR2TrkFile, TheLastStripOfASectionWithoutWallsEndsWhereItBegins) {
    TrkShape shape = SampleICR2TrkShape();
    shape.pieces[3].walls.clear();
    const auto file = ReadICR2Trk(WriteICR2Trk(shape));
    EXPECT_EQ(file->GetWallCount(3), 0);
    EXPECT_EQ(file->GetStripRightStart(3, 2), file->GetStripLeftStart(3, 2));
    EXPECT_EQ(file->GetStripRightEnd(3, 2), file->GetStripLeftEnd(3, 2));
    // A point beyond the last boundary lies on the last strip.
    const TrkTrack track(file);
    const double middle = track.GetSegment2DLongitude(3) + 100.0;
    EXPECT_EQ(track.GetPoint(middle, 9.0).surface, 6);
    EXPECT_EQ(track.GetPoint(middle, 0.0).surface, 1);
}

TEST(ICR2TrkFile, GivesTheSamePointsAsTheGPLFileOfTheSameShape) {
    const TrkTrack icr2(ReadICR2Trk(SampleBytes()));
    const TrkTrack gpl(ReadGPLTrk(WriteGPLTrk(SampleICR2TrkShape())));
    ASSERT_DOUBLE_EQ(icr2.Get2DLength(), gpl.Get2DLength());
    for (double longitude = 0.0; longitude < icr2.Get2DLength(); longitude += 37.0) {
        const TrackPoint a = icr2.GetPoint(longitude, 2.5);
        const TrackPoint b = gpl.GetPoint(longitude, 2.5);
        EXPECT_DOUBLE_EQ(a.x, b.x) << longitude;
        EXPECT_DOUBLE_EQ(a.y, b.y) << longitude;
        EXPECT_DOUBLE_EQ(a.z, b.z) << longitude;
        EXPECT_DOUBLE_EQ(a.heading, b.heading) << longitude;
    }
}

TEST(ICR2TrkFile, WritesBackByteForByte) {
    const std::string& bytes = SampleBytes();
    EXPECT_EQ(WrittenBack(*ReadICR2Trk(bytes), bytes.size()), bytes);
    // The offset table, the section block size and the unused wall words are written anew.
    std::string noisy = bytes;
    const ICR2TrkLayout layout(noisy);
    Put32(noisy, 24, 5);
    Put32(noisy, layout.Offset(2), 12345);
    Put32(noisy, layout.Wall(3, 1, 12), 0);
    Put32(noisy, 28 + 4 * 9, 1234);
    EXPECT_EQ(WrittenBack(*ReadICR2Trk(noisy), bytes.size()), bytes);
}

TEST(ICR2TrkFile, SettersChangeWhatIsWritten) {
    ExpectSettersWritten<ICR2TrkLayout>(*ReadICR2Trk(SampleBytes()), SampleBytes().size(), 2, 1, 1000);
}

void Shift(std::string& bytes, std::size_t offset, std::int32_t by) { Put32(bytes, offset, Get32(bytes, offset) + by); }

TEST(ICR2TrkFile, ReportsEachFaultOfTheFileAndToleratesWhatTheGameDoes) {
    const std::vector<TrkFault<ICR2TrkLayout>> faults = {
        {"id in reading order", [](auto& b, auto&) { b.replace(0, 4, "TRAK"); }, "ICR2 trk file id not TRAK"},
        {"type", [](auto& b, auto&) { Put32(b, 4, 3000); }, "ICR2 trk file type not 1"},
        {"11 lines", [](auto& b, auto&) { Put32(b, 12, 11); }, "ICR2 trk file cross-section count not 1 to 10"},
        {"no line", [](auto& b, auto&) { Put32(b, 12, 0); }, "ICR2 trk file cross-section count not 1 to 10"},
        {"lines out of order", [](auto& b, auto&) { Put32(b, 32, Get32(b, 28)); },
         "ICR2 trk file cross-section offsets not increasing"},
        {"3 C3 off by 3", [](auto& b, auto& l) { Shift(b, l.XSection(4, 1, 16), 3); }, "ICR2 trk file altitude delta 4 error"},
        {"2 C2 off by 3", [](auto& b, auto& l) { Shift(b, l.XSection(4, 1, 20), -3); }, "ICR2 trk file altitude delta 5 error"},
        {"section type", [](auto& b, auto& l) { Put32(b, l.Section(4, 0), 3); }, "ICR2 trk file unknown section type"},
        {"first line", [](auto& b, auto& l) { Put32(b, l.Section(4, 36), 13); }, "ICR2 trk file pieces index error"},
        {"section start", [](auto& b, auto& l) { Shift(b, l.Section(3, 4), 1); }, "ICR2 trk file section start error"},
        {"no length", [](auto& b, auto& l) { Put32(b, l.Section(0, 8), 0); }, "ICR2 trk file section length not positive"},
        {"first boundary", [](auto& b, auto& l) { Put32(b, l.Section(1, 44), 5); }, "ICR2 trk file surface start error"},
        {"no boundary", [](auto& b, auto& l) { Put32(b, l.Section(0, 40), 0); }, "ICR2 trk file section has no boundary"},
        {"altitude step of 4", [](auto& b, auto& l) { Shift(b, l.XSection(2, 2, 12), 4); }, "ICR2 trk file altitude mismatch"},
        {"negative wall count", [](auto& b, auto& l) { Put32(b, l.Section(2, 48), -1); }, "ICR2 trk file negative wall count"},
        {"track length", [](auto& b, auto&) { Shift(b, 8, -1); }, "ICR2 trk file total length error"},
        {"boundary total", [](auto& b, auto& l) { Put32(b, l.Section(5, 40), 4); },
         "ICR2 trk file total surface length error"},
        // What the game tolerates.
        {"3 C3 off by 2", [](auto& b, auto& l) { Shift(b, l.XSection(4, 1, 16), 2); }, "accepted"},
        {"2 C2 off by 2", [](auto& b, auto& l) { Shift(b, l.XSection(4, 1, 20), -2); }, "accepted"},
        {"altitude step of 3", [](auto& b, auto& l) { Shift(b, l.XSection(2, 2, 12), 3); }, "accepted"},
        {"last join", [](auto& b, auto& l) { Shift(b, l.XSection(5, 2, 8), 100); }, "accepted"},  // not compared with the first
        {"a byte more", [](auto& b, auto&) { b.push_back('\0'); }, "accepted"},
    };
    ExpectFaults(SampleBytes(), faults, ReadICR2Trk);
}

TEST(ICR2TrkFile, CountsBeyondTheFileFailToRead) {
    const ICR2TrkLayout layout(SampleBytes());
    for (const std::size_t field : {std::size_t{16}, std::size_t{20}, layout.Section(5, 48)}) {
        std::string bytes = SampleBytes();
        Put32(bytes, field, 0x7FFFFFFF);
        EXPECT_THROW(ReadICR2Trk(bytes), Util::XFileRead) << field;
    }
}

}  // namespace
}  // namespace Tessel::Papy
