#include "Papy/Lp/ICR2LpFile.h"
#include "Papy/Tracks/Trk/ICR2TrkFile.h"
#include "Papy/Tracks/Trk/TrkTrack.h"
#include "Samples/ICR2TrkWriter.h"
#include "Util/Exception.h"
#include "testing/MemoryStream.h"
#include "tests/Failures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

using namespace Tessel;
using namespace Linewright::Samples;
using namespace Linewright::Testing;
using Papy::ICR2LpFile;

namespace {

// One level straight of 3D length 10 × 3.3292288 m: 655360 track units.
const Papy::TrkTrack& TenSpacingTrack() {
    static const auto track = [] {
        TrkShape shape;
        shape.pieces = {TrkPiece::Straight(33.292288)};
        shape.pieces[0].walls = {{0, 10.0, 10.0}};
        return std::make_shared<Papy::TrkTrack>(
            std::make_shared<Papy::ICR2TrkFile>(MemoryStream(WriteICR2Trk(shape), "straight.trk").stream));
    }();
    return *track;
}

// The bytes of an LP file: the stored count and the records' three words each.
std::string LpBytes(const std::vector<std::array<std::int32_t, 3>>& records) {
    std::string bytes(4 + 12 * records.size(), '\0');
    const auto count = static_cast<std::uint32_t>(records.size());
    std::memcpy(bytes.data(), &count, 4);
    if (!records.empty())  // an empty vector may hold no memory at all
        std::memcpy(bytes.data() + 4, records.data(), 12 * records.size());
    return bytes;
}

std::string Written(const ICR2LpFile& lp) {
    MemoryStream out(std::string(4 + 12 * (lp.GetRecordCount() + 1), '\xEE'), "out.lp");
    lp.Write(out.stream);
    return *out.bytes;
}

ICR2LpFile Read(const std::string& bytes) { return ICR2LpFile(MemoryStream(bytes, "race.lp").stream); }

}  // namespace

TEST(ICR2LpFile, NewTableHasOneRecordPerSpacingOfTheSurfaceAndTheClosingRecord) {
    const auto& track = TenSpacingTrack();
    ASSERT_EQ(track.GetLength(), 655360 * 5.08e-05);
    const ICR2LpFile lp(track, 0.0);
    EXPECT_EQ(lp.GetRecordCount(), 10u);
    EXPECT_EQ(lp.GetRecordSpacing(), 3.3292288);
    EXPECT_DOUBLE_EQ(lp.GetRecordLongitude(9), 33.292288);
    EXPECT_EQ(Written(lp), LpBytes(std::vector<std::array<std::int32_t, 3>>(11)));
    EXPECT_EQ(lp.GetRecordIndex(lp.GetRecordLongitude(9)), 9u);
    EXPECT_EQ(BrokenCheck([&] { lp.GetRecordIndex(lp.GetRecordLongitude(10)); }),
              "longitude <= GetRecordLongitude(GetRecordCount() - 1)");
    const ICR2LpFile wide(track, 4.0);
    EXPECT_EQ(wide.GetRecordCount(), 9u);  // ceiling(8.32)
    EXPECT_EQ(BrokenCheck([&] { ICR2LpFile(track, -1.0); }), "spacing > 0.0");
}

TEST(ICR2LpFile, SettersRoundIntoTheFieldsAndCloseTheTable) {
    ICR2LpFile lp(TenSpacingTrack(), 0.0);
    lp.SetRecordSpeed(0, 0.000381);      // 0.5 + 0.5 truncated
    lp.SetRecordLateralSpeed(0, -0.00115);  // -1.509..., away from zero
    lp.SetRecordLateral(0, -0.0001);     // -1.97, truncated
    lp.SetRecordSpeed(4, 50.0);
    lp.SetRecordLateralSpeed(4, 0.00114);
    lp.SetRecordLateral(9, 1.0);
    lp.SetRecordAngleRate(4, 2.0);       // no such field: ignored
    lp.SetRecordLength(4, 2.0);
    const std::array<std::int32_t, 3> first = {1, -2, -1};
    std::vector<std::array<std::int32_t, 3>> expected(11);
    expected[0] = expected[10] = first;
    expected[4] = {65617, 1, 0};
    expected[9] = {0, 0, 19685};
    EXPECT_EQ(Written(lp), LpBytes(expected));
    EXPECT_DOUBLE_EQ(lp.GetRecordSpeed(4), 65617 * 0.000762);
    EXPECT_DOUBLE_EQ(lp.GetRecordLateralSpeed(0), -2 * 0.000762);
    EXPECT_DOUBLE_EQ(lp.GetRecordLateral(9), 19685 * 0.0000508);
    EXPECT_EQ(lp.GetRecordAngleRate(4), 0.0);
    EXPECT_FALSE(lp.HasCapability(0) || lp.HasCapability(4));
}

TEST(ICR2LpFile, ValuesBeyondAFieldStoreItsNearestValue) {
    ICR2LpFile lp(TenSpacingTrack(), 0.0);
    lp.SetRecordSpeed(1, -5.0);
    lp.SetRecordLateralSpeed(1, 1e20);
    lp.SetRecordLateral(1, std::numeric_limits<double>::quiet_NaN());
    lp.SetRecordSpeed(2, 1e20);
    lp.SetRecordLateralSpeed(2, -1e20);
    std::vector<std::array<std::int32_t, 3>> expected(11);
    expected[1] = {0, std::numeric_limits<std::int32_t>::max(), 0};
    expected[2] = {-1, std::numeric_limits<std::int32_t>::min(), 0};  // the unsigned speed's largest value
    EXPECT_EQ(Written(lp), LpBytes(expected));
}

TEST(ICR2LpFile, ReadsAndWritesBackByteForByte) {
    // The closing record need not repeat record 0 in a file that is only read.
    const std::string bytes = LpBytes({{100, -3, 5000}, {200, 4, -7000}, {100, -3, 4000}});
    const ICR2LpFile lp = Read(bytes);
    EXPECT_EQ(lp.GetRecordCount(), 2u);
    EXPECT_EQ(lp.GetRecordSpacing(), 3.3292288);
    EXPECT_DOUBLE_EQ(lp.GetRecordLateral(1), -7000 * 0.0000508);
    EXPECT_EQ(Written(lp), bytes);
}

TEST(ICR2LpFile, RefusesWhatCannotBeAClosedTable) {
    const std::string two = LpBytes({{1, 2, 3}, {1, 2, 3}});
    EXPECT_EQ(FormatFault("race.lp", [] { Read(LpBytes({})); }), "ICR2 Lp file has no record");
    EXPECT_EQ(FormatFault("race.lp", [&] { Read(two + '\0'); }), "accepted");  // a byte more
    EXPECT_THROW(Read(two.substr(0, two.size() - 1)), Util::XFileRead);     // a record short
    EXPECT_THROW(Read("\x02\x00"), Util::XFileRead);                      // no count
}
