#include "Papy/Lp/GPLLpFile.h"
#include "Papy/Tracks/Trk/GPLTrkFile.h"
#include "Papy/Tracks/Trk/TrkTrack.h"
#include "Samples/GPLTrkWriter.h"
#include "Util/Exception.h"
#include "testing/GPLLpWriter.h"
#include "testing/LapFiles.h"
#include "testing/MemoryStream.h"
#include "tests/Failures.h"

#include <gtest/gtest.h>

#include <numbers>

using namespace Tessel;
using namespace Linewright::Samples;
using namespace Linewright::Testing;
using Papy::GPLLpFile;

namespace {

// 2D length 4500 m: 2 × 2000 m of straights and 500 m of turns.
std::shared_ptr<Papy::TrkFile> Track4500() {
    const std::string bytes = WriteGPLTrk(LoopShape(2000.0, 250.0 / std::numbers::pi));
    return std::make_shared<Papy::GPLTrkFile>(MemoryStream(bytes, "loop.trk").stream);
}

std::string FormatFault(const std::string& bytes, const std::shared_ptr<Papy::TrkFile>& track) {
    return Linewright::Testing::FormatFault("race.lp",
                                            [&] { GPLLpFile(MemoryStream(bytes, "race.lp").stream, track); });
}

std::string Written(const GPLLpFile& lp) {
    MemoryStream out(std::string(8 + 20 * lp.GetRecordCount(), '\xEE'), "out.lp");
    lp.Write(out.stream);
    return *out.bytes;
}

}  // namespace

TEST(GPLLpFile, NewTableHasOneRecordPerThreeMetresPlusOne) {
    const auto track = Track4500();
    ASSERT_NEAR(track->Get2DLength(), 4500.0, 0.01);
    const GPLLpFile lp(Papy::TrkTrack(track), 0.0);
    EXPECT_EQ(lp.GetRecordCount(), 1501u);
    EXPECT_EQ(lp.GetRecordSpacing(), 3.0);
    EXPECT_EQ(lp.GetRecordLongitude(0), 3.0);
    EXPECT_EQ(lp.GetRecordLongitude(1500), 4503.0);
    EXPECT_EQ(lp.GetRecordIndex(4503.0), 1500u);
    EXPECT_EQ(Written(lp), WriteGPLLp(std::vector<GPLLpRecord>(1501)));
    const GPLLpFile wide(Papy::TrkTrack(track), 2.0);
    EXPECT_EQ(wide.GetRecordCount(), 2251u);
    EXPECT_EQ(wide.GetRecordLongitude(2250), 4502.0);
}

TEST(GPLLpFile, ReadsAndWritesBackByteForByte) {
    const auto track = Track4500();
    const std::string bytes = WriteGPLLp(MakeGPLLpRecords(1501));
    const GPLLpFile lp(MemoryStream(bytes, "race.lp").stream, track);
    EXPECT_EQ(Written(lp), bytes);
    EXPECT_FLOAT_EQ(lp.GetRecordSpeed(2), (1.5f + 2.0f) * 36.0f);
    EXPECT_FLOAT_EQ(lp.GetRecordLateral(8), 2.0f);
}

TEST(GPLLpFile, RefusesAWrongVersionOrARecordCountThatDoesNotFitTheTrack) {
    const auto track = Track4500();
    EXPECT_EQ(FormatFault(WriteGPLLp(MakeGPLLpRecords(1501), 0x10003), track), "GPL Lp file version error");
    EXPECT_EQ(FormatFault(WriteGPLLp(MakeGPLLpRecords(1500)), track), "Contains incorrect number of records");
    EXPECT_EQ(FormatFault(WriteGPLLp(MakeGPLLpRecords(1502)), track), "Contains incorrect number of records");
    // A count the file cannot hold is a short read, found before anything is set aside for it.
    EXPECT_THROW(GPLLpFile(MemoryStream(WriteGPLLp({}, 0x10002, 0xFFFFFFFFu), "x.lp").stream, track),
                 Util::XFileRead);
    EXPECT_THROW(GPLLpFile(MemoryStream(WriteGPLLp(MakeGPLLpRecords(1501)).substr(0, 100), "x.lp").stream, track),
                 Util::XFileRead);
    EXPECT_THROW(GPLLpFile(MemoryStream("\x02\x00\x01", "x.lp").stream, track), Util::XFileRead);
}

TEST(GPLLpFile, ScalesRatesAndKeepsTheFlagWord) {
    GPLLpFile lp(Papy::TrkTrack(Track4500()), 0.0);
    lp.SetRecordSpeed(0, 72.0);
    lp.SetRecordLateralSpeed(0, -3.6);
    lp.SetRecordLateral(0, 1.25);
    lp.SetRecordAngleRate(0, 0.36);
    lp.SetRecordFlags(0, 0x00FE0880u);  // bits without accessors: 7, 11, 17-23
    lp.SetRecordCoefficient(0, 1.0);
    std::vector<GPLLpRecord> expected(1501);
    expected[0] = {2.0f, static_cast<float>(-3.6 / 36.0), 1.25f, static_cast<float>(0.36 / 36.0), 0xC8FE0880u};
    EXPECT_EQ(Written(lp), WriteGPLLp(expected));
    EXPECT_DOUBLE_EQ(lp.GetRecordCoefficient(0), 1.0);

    lp.SetRecordCoefficient(0, 0.0051);
    EXPECT_EQ(lp.GetRecordFlags(0) >> 24, 2u);
    lp.SetRecordCoefficient(0, 2.0);  // 400 steps wrap to 144
    EXPECT_EQ(lp.GetRecordFlags(0) >> 24, 144u);
    EXPECT_EQ(lp.GetRecordFlags(0) & 0xFFFFFFu, 0xFE0880u);
}

TEST(GPLLpFile, SingleFlagsSkipBitsSevenAndEleven) {
    GPLLpFile lp(Papy::TrkTrack(Track4500()), 0.0);
    lp.SetRecordFlag7(4, true);
    EXPECT_EQ(lp.GetRecordFlags(4), 1u << 8);
    lp.SetRecordFlag10(4, true);
    lp.SetRecordFlag14(4, true);
    EXPECT_EQ(lp.GetRecordFlags(4), (1u << 8) | (1u << 12) | (1u << 16));
    EXPECT_TRUE(lp.GetRecordFlag10(4));
    EXPECT_FALSE(lp.GetRecordFlag6(4));
    lp.SetRecordFlag7(4, false);
    EXPECT_EQ(lp.GetRecordFlags(4), (1u << 12) | (1u << 16));
    EXPECT_TRUE(lp.HasCapability1() && lp.HasCapability3() && lp.HasCapability4() && lp.HasCapability15());
    EXPECT_FALSE(lp.HasCapability0() || lp.HasCapability2() || lp.HasCapability5());
}
