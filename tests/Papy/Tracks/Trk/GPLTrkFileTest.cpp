#include "tests/Papy/TrkTestFiles.h"

#include "Util/Exception.h"
#include "tests/Papy/PapyTestSupport.h"

#include <gtest/gtest.h>

#include <numbers>
#include <vector>

namespace Tessel::Papy {
namespace {

using Linewright::Samples::SampleTrkShape;
using Linewright::Samples::TrkBoundary;
using Linewright::Samples::TrkPiece;
using Linewright::Samples::TrkShape;
using Linewright::Samples::WriteGPLTrk;

const std::string& SampleBytes() {
    static const std::string bytes = WriteGPLTrk(SampleTrkShape());
    return bytes;
}

TEST(GPLTrkFile, ReadsTheWritersFieldsBack) {
    const auto file = ReadGPLTrk(SampleBytes());
    const GPLTrkLayout layout(SampleBytes());
    ASSERT_EQ(file->GetSectionCount(), 12);
    ASSERT_EQ(file->GetXSectionCount(), 5);
    EXPECT_EQ(file->GetXSectionOffset(0), -236220);  // -12 m
    EXPECT_EQ(file->GetTrackLength(), Get32(SampleBytes(), 8));
    EXPECT_FALSE(file->IsCurve(0));
    EXPECT_TRUE(file->IsCurve(1));
    EXPECT_TRUE(file->GetSectionFlag0(2) && file->GetSectionFlag1(2));
    EXPECT_FALSE(file->GetSectionFlag0(1) || file->GetSectionFlag1(1));
    EXPECT_EQ(file->GetSectionExtra(5), 42);
    EXPECT_EQ(file->GetSectionStart(3), Get32(SampleBytes(), layout.Section(3, 4)));
    // The geometry fields show in TrkTrackTest's points, which follow the writer's shape.
    EXPECT_EQ(file->GetGradeC2(4, 1), 3 * file->GetAltitudeC3(4, 1));
}

TEST(GPLTrkFile, StripsAndWallsComeFromTheBoundaries) {
    const auto file = ReadGPLTrk(SampleBytes());
    // Boundaries -12 (wall 2), -10 (grass 3), -8 (road 2), 8 (gravel 4), 10 (wall 5), 12.
    // Their extents and kinds show in the surfaces of TrkTrackTest's points on a straight.
    ASSERT_EQ(file->GetStripCount(0), 5);
    EXPECT_TRUE(file->IsWallStrip(0, 0));
    EXPECT_FALSE(file->IsWallStrip(0, 1));
    EXPECT_EQ(file->GetStripValue(0, 1), 7);
    EXPECT_EQ(file->GetStripValue(0, 0), 0);  // a wall's value is its height
    EXPECT_EQ(file->GetStripAttributeCount(0, 1), 2);
    EXPECT_EQ(file->GetStripAttributeCount(0, 0), 0);
    EXPECT_EQ(file->GetStripAttribute(0, 1, 0), 1);
    EXPECT_EQ(file->GetStripAttribute(0, 1, 1), 2);
    EXPECT_THROW(file->GetStripAttribute(0, 1, 2), Util::XAssertion);

    ASSERT_EQ(file->GetWallCount(0), 2);
    EXPECT_EQ(file->GetWallLeftStart(0, 1), 196850);
    EXPECT_EQ(file->GetWallRightStart(0, 1), 236220);
    EXPECT_EQ(file->GetWallHeight(0, 0), 19685);
    EXPECT_EQ(file->GetWallKind(0, 0), 0);  // code 2
    EXPECT_EQ(file->GetWallKind(0, 1), 10);  // code 5
    EXPECT_EQ(file->GetWallAttributeCount(), 3);
    EXPECT_EQ(file->GetWallAttribute(0, 1, 2), 5);
    EXPECT_THROW(file->GetWallKind(0, 2), Util::XAssertion);
}

TEST(GPLTrkFile, MapsEverySurfaceAndWallCode) {
    TrkShape shape = SampleTrkShape();
    // One section whose boundaries carry every code, as strips and as walls.
    std::vector<TrkBoundary> surfaces, walls;
    for (std::int32_t code = 0; code <= 12; ++code) {
        surfaces.push_back({-13.0 + code, -13.0 + code, code, false, 0, 0, 0});
        walls.push_back({-13.0 + code, -13.0 + code, code, true, 0, 0, 0});
    }
    shape.pieces[0].boundaries = surfaces;
    shape.pieces[1].boundaries = walls;
    const auto file = ReadGPLTrk(WriteGPLTrk(shape));
    const std::vector<std::int32_t> surfaceKinds = {10, 0, 1, 6, 3, 2, 8, 4, 12, 9, 10, 10};
    for (int code = 0; code < 12; ++code)
        EXPECT_EQ(file->GetSurfaceKind(0, code), surfaceKinds[code]) << code;
    const std::vector<std::int32_t> wallKinds = {14, 3, 0, 9, 6, 10, 8, 5, 13, 7, 12, 2};
    ASSERT_EQ(file->GetWallCount(1), 12);
    for (int code = 0; code < 12; ++code)
        EXPECT_EQ(file->GetWallKind(1, code), wallKinds[code]) << code;

    const StrictScope strict;
    EXPECT_THROW(file->GetSurfaceKind(0, 0), Util::XAssertion);
    EXPECT_THROW(file->GetWallKind(1, 0), Util::XAssertion);
    EXPECT_EQ(file->GetWallKind(1, 1), 3);
}

TEST(GPLTrkFile, WritesBackByteForByte) {
    std::string bytes = SampleBytes();
    const GPLTrkLayout layout(bytes);
    EXPECT_EQ(WrittenBack(*ReadGPLTrk(bytes), bytes.size()), bytes);
    // The unused words of the boundary records and the unused offset slots come back as 0.
    std::string noisy = bytes;
    Put32(noisy, layout.Boundary(3, 24), 77);
    Put32(noisy, layout.Boundary(70, 28), -5);
    Put32(noisy, 28 + 4 * 15, 1234);
    EXPECT_EQ(WrittenBack(*ReadGPLTrk(noisy), bytes.size()), bytes);
}

TEST(GPLTrkFile, SettersChangeWhatIsWritten) {
    const auto file = ReadGPLTrk(SampleBytes());
    ExpectSettersWritten<GPLTrkLayout>(*file, SampleBytes().size(), 2, 3, -200000);
    EXPECT_EQ(file->GetGradeC1(2, 3), 60);
    EXPECT_EQ(file->GetGradeC2(2, 3), 120);
}

TEST(GPLTrkFile, CrossSectionLinesStayInOrder) {
    const auto file = ReadGPLTrk(SampleBytes());  // -12, -4, 0, 4, 12 m in units
    const std::int32_t minus4 = file->GetXSectionOffset(1);
    file->SetXSectionOffset(1, file->GetXSectionOffset(0));
    file->SetXSectionOffset(1, file->GetXSectionOffset(2));
    EXPECT_EQ(file->GetXSectionOffset(1), minus4);
    file->SetXSectionOffset(0, -300000);
    file->SetXSectionOffset(4, 300000);
    EXPECT_EQ(file->GetXSectionOffset(0), -300000);
    EXPECT_EQ(file->GetXSectionOffset(4), 300000);
}

using Fault = TrkFault<GPLTrkLayout>;

TEST(GPLTrkFile, ReportsEachFaultOfTheFile) {
    const std::string start3 = std::to_string(Get32(SampleBytes(), GPLTrkLayout(SampleBytes()).Section(3, 4)));
    const std::string start3Plus1 = std::to_string(std::stoi(start3) + 1);
    const std::vector<Fault> faults = {
        {"id in reading order", [](auto& b, auto&) { b.replace(0, 4, "TRAK"); }, "GPL trk file id not TRAK"},
        {"version", [](auto& b, auto&) { Put32(b, 4, 3001); }, "GPL trk file version not 3000"},
        {"17 lines", [](auto& b, auto&) { Put32(b, 12, 17); }, "GPL trk file cross-section count not 1 to 16"},
        {"no line", [](auto& b, auto&) { Put32(b, 12, 0); }, "GPL trk file cross-section count not 1 to 16"},
        {"lines out of order", [](auto& b, auto&) { Put32(b, 36, Get32(b, 32)); },
         "GPL trk file cross-section offsets not increasing"},
        {"section bytes", [](auto& b, auto&) { Put32(b, 24, 52 * 12 + 1); }, "GPL trk section length mismatch"},
        {"a byte more", [](auto& b, auto&) { b.push_back('\0'); }, "GPL trk file size mismatch"},
        {"negative boundary bytes",
         [](auto& b, auto&) {
             Put32(b, 20, -32);
             b.resize(b.size() - 32 * 73);
         },
         "GPL trk file size mismatch"},
        {"index table", [](auto& b, auto& l) { Put32(b, l.Index(5), 52 * 5 + 4); },
         "GPL trk file section header index error"},
        {"no boundary",
         [](auto& b, auto& l) {
             b.erase(l.Boundary(0, 0), 32 * l.boundaries);
             Put32(b, 20, 0);
         },
         "GPL trk file has no boundary record"},
        {"last boundary kind", [](auto& b, auto& l) { Put32(b, l.Boundary(l.boundaries - 1, 8), 1); },
         "GPL trk file last surface type not 10"},
        {"section type", [](auto& b, auto& l) { Put32(b, l.Section(4, 0), 3); }, "GPL trk file unknown section type"},
        {"first line", [](auto& b, auto& l) { Put32(b, l.Section(4, 40), 21); }, "GPL trk file pieces index error"},
        {"section start",
         [](auto& b, auto& l) { Put32(b, l.Section(3, 4), Get32(b, l.Section(3, 4)) + 1); },
         "GPL trk file section start error.\nSection 3 start " + start3Plus1 + " expected " + start3 + "\n"},
        {"flags", [](auto& b, auto& l) { Put32(b, l.Section(7, 16), 4); }, "GPL trk file unknown flags"},
        {"both flag bits", [](auto& b, auto& l) { Put32(b, l.Section(7, 16), 3); }, "accepted"},
        {"no length", [](auto& b, auto& l) { Put32(b, l.Section(0, 8), 0); }, "GPL trk file section length not positive"},
        {"first boundary", [](auto& b, auto& l) { Put32(b, l.Section(1, 48), 5); }, "GPL trk file surface start error"},
        {"one boundary", [](auto& b, auto& l) { Put32(b, l.Section(0, 44), 1); },
         "GPL trk file section has fewer than two boundaries"},
        {"track length", [](auto& b, auto&) { Put32(b, 8, Get32(b, 8) - 1); }, "GPL trk file total length error"},
        {"boundary total", [](auto& b, auto& l) { Put32(b, l.Section(11, 44), 7); },
         "GPL trk file total surface length error"},
        {"no 2D length", [](auto& b, auto&) { b = WithoutHorizontalLength(b); }, "GPL trk file 2D length not positive"},
    };
    ExpectFaults(SampleBytes(), faults, ReadGPLTrk);
}

TEST(GPLTrkFile, StrictChecksCompareTheStoredGradesAndTheSectionJoins) {
    const StrictScope strict;
    const GPLTrkLayout layout(SampleBytes());
    const std::vector<Fault> faults = {
        {"sample", [](auto&, auto&) {}, "accepted"},
        {"3 C3", [&](auto& b, auto&) { Put32(b, layout.XSection(5, 2, 16), Get32(b, layout.XSection(5, 2, 16)) + 1); },
         "GPL trk file altitude square grade error"},
        {"2 C2", [&](auto& b, auto&) { Put32(b, layout.XSection(5, 2, 20), Get32(b, layout.XSection(5, 2, 20)) - 1); },
         "GPL trk file altitude linear grade error"},
        // Section 0 follows the last section.
        {"join", [&](auto& b, auto&) { Put32(b, layout.XSection(0, 4, 12), 4); }, "GPL trk file altitude mismatch"},
        {"join step of 3", [&](auto& b, auto&) { Put32(b, layout.XSection(0, 4, 12), 3); }, "accepted"},
    };
    ExpectFaults(SampleBytes(), faults, ReadGPLTrk);
}

}  // namespace
}  // namespace Tessel::Papy
