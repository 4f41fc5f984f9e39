#include "Papy/Lp/GPLLpFile.h"
#include "Papy/Lp/N4LpFile.h"
#include "Papy/Tracks/Trk/GPLTrkFile.h"
#include "Papy/Tracks/Trk/TrkTrack.h"
#include "Samples/GPLTrkWriter.h"
#include "Util/Exception.h"
#include "testing/GPLLpWriter.h"
#include "testing/LapFiles.h"
#include "testing/MemoryStream.h"
#include "testing/N4LpWriter.h"
#include "tests/Failures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numbers>

using namespace Tessel;
using namespace Linewright::Testing;
using Papy::GPLLpFile;
using Papy::N4LpFile;

namespace {

// A GPL track file of 2D length 2 × straight + 500 m, of which 500 m are turns.
std::shared_ptr<Papy::TrkFile> Loop(double straight) {
    const std::string bytes = Linewright::Samples::WriteGPLTrk(LoopShape(straight, 250.0 / std::numbers::pi));
    return std::make_shared<Papy::GPLTrkFile>(MemoryStream(bytes, "loop.trk").stream);
}

const std::shared_ptr<Papy::TrkFile>& Loop4500() {
    static const auto file = Loop(2000.0);
    return file;
}

// What the two formats of the shared template differ in.
struct GPLFormat {
    using File = GPLLpFile;
    using Record = GPLLpRecord;
    static constexpr std::uint32_t version = 0x10002, otherVersion = 0x10003, recordSize = 20;
    static constexpr std::uint32_t countOf4501_9 = 1502;  // rounded to the nearest record
    static constexpr const char* versionError = "GPL Lp file version error";
    static inline const std::vector<unsigned> capabilities = {1, 3, 4, 15};
    static std::string Write(const std::vector<Record>& records, auto... versionAndCount) {
        return WriteGPLLp(records, versionAndCount...);
    }
    static std::vector<Record> Make(std::uint32_t count) { return MakeGPLLpRecords(count); }
    // A file read for the 4500 m track must hold 1501 records.
    static File Read(const std::string& bytes) {
        return File(MemoryStream(bytes, "race.lp").stream, Loop4500());
    }
    static void SetFlags(File& lp, Record& expected) {
        lp.SetRecordFlags(0, 0x00FE0880u);  // bits without accessors: 7, 11, 17-23
        lp.SetRecordCoefficient(0, 1.0);
        expected.word = 0xC8FE0880u;
    }
};

struct N4Format {
    using File = N4LpFile;
    using Record = N4LpRecord;
    static constexpr std::uint32_t version = 0x10003, otherVersion = 0x10002, recordSize = 24;
    static constexpr std::uint32_t countOf4501_9 = 1501;  // truncated
    static constexpr const char* versionError = "N4 Lp file version error";
    static inline const std::vector<unsigned> capabilities = {0, 1, 4};
    static std::string Write(const std::vector<Record>& records, auto... versionAndCount) {
        return WriteN4Lp(records, versionAndCount...);
    }
    static std::vector<Record> Make(std::uint32_t count) { return MakeN4LpRecords(count); }
    static File Read(const std::string& bytes) { return File(MemoryStream(bytes, "race.lp").stream); }
    static void SetFlags(File& lp, Record& expected) {
        lp.SetRecordLength(0, 2.75);
        lp.SetRecordFlags(0, 0x80000001u);
        expected.length = 2.75f;
        expected.flags = static_cast<std::int32_t>(0x80000001u);
    }
};

template <class Format>
std::string Written(const typename Format::File& lp) {
    MemoryStream out(std::string(8 + Format::recordSize * lp.GetRecordCount(), '\xEE'), "out.lp");
    lp.Write(out.stream);
    return *out.bytes;
}

template <class Format>
class VersionedLpFileTest : public testing::Test {};

using Formats = testing::Types<GPLFormat, N4Format>;
TYPED_TEST_SUITE(VersionedLpFileTest, Formats);

TYPED_TEST(VersionedLpFileTest, NewTableHasOneRecordPerThreeMetresPlusOne) {
    using File = typename TypeParam::File;
    const File lp(Papy::TrkTrack(Loop4500()), 0.0);
    EXPECT_EQ(lp.GetRecordCount(), 1501u);
    EXPECT_EQ(lp.GetRecordSpacing(), 3.0);
    EXPECT_EQ(lp.GetRecordLongitude(0), 3.0);
    EXPECT_EQ(lp.GetRecordLongitude(1500), 4503.0);
    EXPECT_EQ(lp.GetRecordIndex(4503.0), 1500u);
    EXPECT_EQ(lp.GetRecordIndex(7.5), 1u);
    EXPECT_EQ(Written<TypeParam>(lp), TypeParam::Write(std::vector<typename TypeParam::Record>(1501)));
    EXPECT_EQ(File(Papy::TrkTrack(Loop(2000.95)), 0.0).GetRecordCount(), TypeParam::countOf4501_9);
    const File wide(Papy::TrkTrack(Loop4500()), 2.0);
    EXPECT_EQ(wide.GetRecordCount(), 2251u);
    EXPECT_EQ(wide.GetRecordLongitude(2250), 4502.0);
}

TYPED_TEST(VersionedLpFileTest, ReadsAndWritesBackByteForByte) {
    const auto records = TypeParam::Make(1501);
    const std::string bytes = TypeParam::Write(records);
    const auto lp = TypeParam::Read(bytes);
    EXPECT_EQ(Written<TypeParam>(lp), bytes);
    EXPECT_EQ(lp.GetRecordSpacing(), 3.0);
    EXPECT_FLOAT_EQ(lp.GetRecordSpeed(2), records[2].speed * 36.0f);
    EXPECT_FLOAT_EQ(lp.GetRecordLateral(8), records[8].lateral);
}

TYPED_TEST(VersionedLpFileTest, RefusesAWrongVersionAndCountsTheFileCannotHold) {
    const auto records = TypeParam::Make(1501);
    const std::string bytes = TypeParam::Write(records);
    EXPECT_EQ(FormatFault("race.lp", [&] { TypeParam::Read(TypeParam::Write(records, TypeParam::otherVersion)); }),
              TypeParam::versionError);
    // A count the file cannot hold is a short read, found before anything is set aside for it.
    EXPECT_THROW(TypeParam::Read(TypeParam::Write({}, TypeParam::version, 0xFFFFFFFFu)), Util::XFileRead);
    EXPECT_THROW(TypeParam::Read(bytes.substr(0, bytes.size() - 1)), Util::XFileRead);
    EXPECT_THROW(TypeParam::Read("\x02\x00\x01"), Util::XFileRead);
}

TYPED_TEST(VersionedLpFileTest, ScalesRatesAndKeepsTheFormatsOwnFields) {
    typename TypeParam::File lp(Papy::TrkTrack(Loop4500()), 0.0);
    lp.SetRecordSpeed(0, 72.0);
    lp.SetRecordLateralSpeed(0, -3.6);
    lp.SetRecordLateral(0, 1.25);
    lp.SetRecordAngleRate(0, 0.36);
    std::vector<typename TypeParam::Record> expected(1501);
    expected[0].speed = 2.0f;
    expected[0].lateralSpeed = static_cast<float>(-3.6 / 36.0);
    expected[0].lateral = 1.25f;
    expected[0].angleRate = static_cast<float>(0.36 / 36.0);
    TypeParam::SetFlags(lp, expected[0]);
    EXPECT_EQ(Written<TypeParam>(lp), TypeParam::Write(expected));
    EXPECT_DOUBLE_EQ(lp.GetRecordSpeed(0), 72.0);
    for (unsigned number : {0u, 1u, 2u, 3u, 4u, 5u, 15u}) {
        EXPECT_EQ(lp.HasCapability(number), std::ranges::count(TypeParam::capabilities, number) == 1) << number;
    }
}

}  // namespace

TEST(GPLLpFile, RefusesARecordCountThatDoesNotFitTheTrack) {
    for (std::uint32_t count : {1500u, 1502u}) {
        EXPECT_EQ(FormatFault("race.lp", [&] { GPLFormat::Read(WriteGPLLp(MakeGPLLpRecords(count))); }),
                  "Contains incorrect number of records");
    }
}

TEST(GPLLpFile, TheCoefficientByteWrapsAndSingleFlagsSkipBitsSevenAndEleven) {
    GPLLpFile lp(Papy::TrkTrack(Loop4500()), 0.0);
    lp.SetRecordFlags(0, 0x00FE0880u);
    lp.SetRecordCoefficient(0, 1.0);
    EXPECT_DOUBLE_EQ(lp.GetRecordCoefficient(0), 1.0);
    lp.SetRecordCoefficient(0, 0.0051);
    EXPECT_EQ(lp.GetRecordFlags(0) >> 24, 2u);
    lp.SetRecordCoefficient(0, 2.0);  // 400 steps wrap to 144
    EXPECT_EQ(lp.GetRecordFlags(0) >> 24, 144u);
    EXPECT_EQ(lp.GetRecordFlags(0) & 0xFFFFFFu, 0xFE0880u);

    lp.SetRecordFlag7(4, true);
    EXPECT_EQ(lp.GetRecordFlags(4), 1u << 8);
    lp.SetRecordFlag10(4, true);
    lp.SetRecordFlag14(4, true);
    EXPECT_EQ(lp.GetRecordFlags(4), (1u << 8) | (1u << 12) | (1u << 16));
    EXPECT_TRUE(lp.GetRecordFlag10(4));
    EXPECT_FALSE(lp.GetRecordFlag6(4));
    lp.SetRecordFlag7(4, false);
    EXPECT_EQ(lp.GetRecordFlags(4), (1u << 12) | (1u << 16));
}

TEST(N4LpFile, ReadsTheLengthAndFlagsAndHowManyRecordsTheFileSays) {
    const N4LpFile lp = N4Format::Read(WriteN4Lp(MakeN4LpRecords(40)));
    EXPECT_EQ(lp.GetRecordCount(), 40u);
    EXPECT_FLOAT_EQ(lp.GetRecordLength(10), 3.0f - 0.01f);
    EXPECT_EQ(lp.GetRecordFlags(1), 0x9E3779B9u);
    EXPECT_EQ(N4Format::Read(WriteN4Lp({})).GetRecordCount(), 0u);
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
