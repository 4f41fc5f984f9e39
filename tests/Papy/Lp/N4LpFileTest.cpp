#include "Papy/Lp/N4LpFile.h"
#include "Papy/Tracks/Track.h"
#include "Util/Exception.h"
#include "testing/MemoryStream.h"
#include "testing/N4LpWriter.h"
#include "tests/Failures.h"

#include <gtest/gtest.h>

using namespace Tessel;
using namespace Linewright::Testing;
using Papy::N4LpFile;

namespace {

// A track of which an N4 LP asks only the horizontal length.
class LengthOnlyTrack : public Papy::Track {
public:
    explicit LengthOnlyTrack(double length) : length(length) {}
    double GetLength() const override { return length; }
    double Get2DLength() const override { return length; }
    double Get3DLongitude(double longitude) const override { return longitude; }
    std::uint32_t GetSegmentCount() const override { return 0; }
    std::shared_ptr<Papy::TrackSegment> GetSegment(std::uint32_t) const override { return nullptr; }
    double GetSegmentLongitude(std::uint32_t) const override { return 0.0; }
    double GetSegment2DLongitude(std::uint32_t) const override { return 0.0; }
    std::shared_ptr<Papy::TrackSegment> FindSegment(double, double&) const override { return nullptr; }
    Papy::TrackPoint GetPoint(double, double) const override { return {}; }
    void Write(const std::shared_ptr<Util::BinaryStream>&) const override {}

private:
    double length;
};

std::shared_ptr<Papy::Track> TrackOf(double length) { return std::make_shared<LengthOnlyTrack>(length); }

std::string Written(const N4LpFile& lp) {
    MemoryStream out(std::string(8 + 24 * lp.GetRecordCount(), '\xEE'), "out.lp");
    lp.Write(out.stream);
    return *out.bytes;
}

N4LpFile Read(const std::string& bytes) { return N4LpFile(MemoryStream(bytes, "race.lp").stream); }

}  // namespace

TEST(N4LpFile, NewTableHasOneRecordPerWholeSpacingPlusOne) {
    const N4LpFile lp(*TrackOf(4500.0), 0.0);
    EXPECT_EQ(lp.GetRecordCount(), 1501u);
    EXPECT_EQ(lp.GetRecordSpacing(), 3.0);
    EXPECT_EQ(lp.GetRecordLongitude(0), 3.0);
    EXPECT_EQ(lp.GetRecordLongitude(1500), 4503.0);
    EXPECT_EQ(lp.GetRecordIndex(7.5), 1u);
    EXPECT_EQ(lp.GetRecordLength(7), 3.0);
    EXPECT_EQ(Written(lp), WriteN4Lp(std::vector<N4LpRecord>(1501)));
    // Truncated, not rounded.
    EXPECT_EQ(N4LpFile(*TrackOf(4501.9), 0.0).GetRecordCount(), 1501u);
    EXPECT_EQ(N4LpFile(*TrackOf(4500.0), 2.0).GetRecordCount(), 2251u);
}

TEST(N4LpFile, ReadsAndWritesBackByteForByte) {
    const std::string bytes = WriteN4Lp(MakeN4LpRecords(40));
    const N4LpFile lp = Read(bytes);
    EXPECT_EQ(lp.GetRecordCount(), 40u);
    EXPECT_EQ(lp.GetRecordSpacing(), 3.0);
    EXPECT_EQ(Written(lp), bytes);
    EXPECT_FLOAT_EQ(lp.GetRecordSpeed(2), (2.5f + 2.0f) * 36.0f);
    EXPECT_FLOAT_EQ(lp.GetRecordLateral(8), -3.0f);
    EXPECT_FLOAT_EQ(lp.GetRecordLength(10), 3.0f - 0.01f);
    EXPECT_EQ(lp.GetRecordFlags(1), 0x9E3779B9u);
    // The file says how many records it holds, whatever the track.
    EXPECT_EQ(Read(WriteN4Lp({})).GetRecordCount(), 0u);
}

TEST(N4LpFile, RefusesAWrongVersionAndCountsTheFileCannotHold) {
    EXPECT_EQ(FormatFault("race.lp", [] { Read(WriteN4Lp(MakeN4LpRecords(3), 0x10002)); }),
              "N4 Lp file version error");
    EXPECT_THROW(Read(WriteN4Lp({}, 0x10003, 0xFFFFFFFFu)), Util::XFileRead);
    EXPECT_THROW(Read(WriteN4Lp(MakeN4LpRecords(3)).substr(0, 8 + 24 * 3 - 1)), Util::XFileRead);
    EXPECT_THROW(Read("\x03\x00\x01"), Util::XFileRead);
}

TEST(N4LpFile, IsKnownByItsVersionAndASizeThatFitsItsCount) {
    const std::string bytes = WriteN4Lp(MakeN4LpRecords(5));
    const auto has = [](const std::string& file) { return N4LpFile::HasLpHeader(*MemoryStream(file, "x.lp").stream); };
    EXPECT_TRUE(has(bytes));
    EXPECT_TRUE(has(WriteN4Lp({})));
    EXPECT_FALSE(has(bytes + "x"));
    EXPECT_FALSE(has(bytes.substr(0, bytes.size() - 1)));
    EXPECT_FALSE(has(WriteN4Lp(MakeN4LpRecords(5), 0x10002)));
    EXPECT_FALSE(has(bytes.substr(0, 7)));
}

TEST(N4LpFile, ScalesRatesAndKeepsLengthAndFlags) {
    N4LpFile lp(*TrackOf(30.0), 0.0);
    lp.SetRecordSpeed(0, 72.0);
    lp.SetRecordLateralSpeed(0, -3.6);
    lp.SetRecordLateral(0, 1.25);
    lp.SetRecordAngleRate(0, 0.36);
    lp.SetRecordLength(0, 2.75);
    lp.SetRecordFlags(0, 0x80000001u);
    std::vector<N4LpRecord> expected(11);
    expected[0] = {2.0f, static_cast<float>(-3.6 / 36.0), 1.25f, static_cast<float>(0.36 / 36.0), 2.75f,
                   static_cast<std::int32_t>(0x80000001u)};
    EXPECT_EQ(Written(lp), WriteN4Lp(expected));
    EXPECT_DOUBLE_EQ(lp.GetRecordSpeed(0), 72.0);
    EXPECT_EQ(lp.GetRecordFlags(0), 0x80000001u);
    EXPECT_TRUE(lp.HasCapability0() && lp.HasCapability1() && lp.HasCapability4());
    EXPECT_FALSE(lp.HasCapability2() || lp.HasCapability3() || lp.HasCapability5() || lp.HasCapability15());
}
