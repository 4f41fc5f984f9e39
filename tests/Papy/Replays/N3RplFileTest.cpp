#include "Papy/Replays/N3RplFile.h"
#include "Samples/N3RplWriter.h"
#include "Util/Exception.h"
#include "testing/MemoryStream.h"
#include "tests/Failures.h"
#include "tests/Papy/PapyTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <numbers>

using namespace Tessel::Papy;
using namespace Linewright::Samples;
using namespace Linewright::Testing;

namespace {

N3RplFile Read(const std::string& bytes) { return N3RplFile(*MemoryStream(bytes, "test.rpl").stream); }

std::string ReadingFault(const std::string& bytes) {
    return FormatFault("test.rpl", [&] { Read(bytes); });
}

constexpr std::size_t framesOffset = 16 + 4061;

// Two drivers and these frames.
N3Script TwoDrivers(std::vector<N3Frame> frames) {
    N3Script script;
    script.drivers = {{"Rick Mears", 3}, {"Al Unser", 200}};
    script.frames = std::move(frames);
    return script;
}

N3Frame Cars(std::vector<N3Car> cars) { return N3Frame{std::move(cars), {}}; }

const N3Script& Example() {
    static const N3Script script = ExampleN3Script(1000.0, 50.0, 90.0);
    return script;
}

TEST(N3RplFile, ReadsTheDriversAndTheirSamples) {
    const N3RplFile replay = Read(WriteN3Rpl(Example()));
    EXPECT_EQ(replay.GetTrackName(), "indy");
    EXPECT_EQ(replay.GetHeaderText(), u"");
    ASSERT_EQ(replay.GetDriverCount(), 3u);
    EXPECT_EQ(replay.GetPlayerIndex(), 1u);
    EXPECT_EQ(replay.GetPlayerName(), "Al Unser");
    EXPECT_EQ(replay.GetDriverName(2), "Bobby Rahal");
    EXPECT_EQ(replay.GetCarNumber(2), "18");
    EXPECT_EQ(replay.GetFrameCount(), 90u * 15u);
    EXPECT_DOUBLE_EQ(replay.GetFrameInterval(), 1.0 / 15.0);
    EXPECT_EQ(replay.GetHeaderValueCount(), 0u);
    EXPECT_FALSE(replay.IsSampleValid(1, replay.GetFrameCount()));
}

TEST(N3RplFile, FindsTheLapsFromTheStartLineCrossings) {
    const N3RplFile replay = Read(WriteN3Rpl(Example()));
    EXPECT_EQ(replay.GetLapTableCount(), 1u);
    // 90 s at 50 m/s from 100 m before the line: crossings at 2 s, 22 s, 42 s, 62 s and 82 s.
    ASSERT_EQ(replay.GetLapCount(0, 1), 6u);
    EXPECT_EQ(replay.GetLapStatus(0, 1, 0), LapStatus::PartlyRecorded);  // before the first crossing
    for (std::uint32_t lap = 1; lap <= 4; ++lap) {
        EXPECT_EQ(replay.GetLapStatus(0, 1, lap), LapStatus::Complete) << lap;
        EXPECT_NEAR(replay.GetLapTime(0, 1, lap), 20.0, 1.0 / 15.0) << lap;
    }
    EXPECT_EQ(replay.GetLapStatus(0, 1, 5), LapStatus::PartlyRecorded);  // still open
    EXPECT_EQ(replay.GetLapFirstFrame(0, 1, 1), 30u);
    EXPECT_EQ(replay.GetLapEndFrame(0, 1, 1), 330u);
    EXPECT_LT(replay.GetLongitude(1, 329), 1000.0);
    EXPECT_GT(replay.GetLongitude(1, 329), 990.0);
    // Any table index reads the one lap table.
    EXPECT_EQ(replay.GetLapEndFrame(7, 1, 1), 330u);
    // Driver 2 goes unrecorded for a second in its second lap.
    EXPECT_EQ(replay.GetLapStatus(0, 2, 1), LapStatus::Complete);
    EXPECT_EQ(replay.GetLapStatus(0, 2, 2), LapStatus::PartlyRecorded);
    EXPECT_THROW(replay.GetLapTime(0, 1, 6), Tessel::Util::XAssertion);
}

TEST(N3RplFile, CrossesTheLineOnlyBetweenTheThresholds) {
    // From a longitude before to one after, and the laps that makes.
    for (const auto& [before, after, laps] : std::vector<std::array<std::uint32_t, 3>>{
             {20001, 1999, 2}, {20001, 2000, 1}, {20000, 1999, 1}, {0xFFFFFF, 0, 2}}) {
        const N3RplFile replay = Read(WriteN3Rpl(TwoDrivers({Cars({{1, before}}), Cars({{1, after}})})));
        EXPECT_EQ(replay.GetLapCount(0, 1), laps) << before << " to " << after;
    }
}

TEST(N3RplFile, AFrameWithoutCarsLeavesEveryCarUnrecorded) {
    const std::string bytes = WriteN3Rpl(TwoDrivers({Cars({{0, 5}, {1, 6}}), Cars({})}));
    EXPECT_EQ(Patched(bytes, bytes.size() - 4, 9), bytes);  // the empty frame's trailer is 9
    const N3RplFile replay = Read(bytes);
    EXPECT_EQ(replay.GetFrameCount(), 2u);
    EXPECT_TRUE(replay.IsSampleValid(0, 0));
    EXPECT_FALSE(replay.IsSampleValid(0, 1));
    EXPECT_FALSE(replay.IsSampleValid(1, 1));
    EXPECT_EQ(replay.GetLongitude(1, 1), 0.0);
    EXPECT_EQ(replay.GetLapStatus(0, 1, 0), LapStatus::PartlyRecorded);
}

TEST(N3RplFile, DecodesTheStoredValues) {
    const N3RplFile replay =
        Read(WriteN3Rpl(TwoDrivers({Cars({{1, 0x800000, -100, 1024}, {0, 0x7FFFFF, 32767, 4095}})})));
    EXPECT_DOUBLE_EQ(replay.GetLongitude(1, 0), -2147483648.0 * 0.0000508);  // the shift makes it negative
    EXPECT_DOUBLE_EQ(replay.GetLateral(1, 0), -25600 * 0.0000508);
    EXPECT_DOUBLE_EQ(replay.GetAngle(1, 0), std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(replay.GetLongitude(0, 0), 0x7FFFFF00 * 0.0000508);
    EXPECT_DOUBLE_EQ(replay.GetLateral(0, 0), 32767 * 256 * 0.0000508);
    EXPECT_EQ(replay.GetCarNumber(1), "200");
}

TEST(N3RplFile, KeepsTheFirstRecordOfACarInAFrame) {
    const N3RplFile replay = Read(WriteN3Rpl(TwoDrivers({Cars({{1, 100}, {1, 900}}), Cars({{1, 200}})})));
    EXPECT_EQ(replay.GetFrameCount(), 2u);
    EXPECT_DOUBLE_EQ(replay.GetLongitude(1, 0), 100 * 256 * 0.0000508);
}

// One fault per reading check, each made from a small replay by one change.
struct Fault {
    const char* name;
    std::function<std::string(std::string)> change;
    std::string description;
};

TEST(N3RplFile, ReportsEachFaultOfTheFile) {
    const std::vector<Fault> faults = {
        {"a byte more", [](std::string b) { return b + '\0'; }, "N3 rpl file size mismatch"},
        {"frame data size", [](std::string b) { return Patched(b, 4, static_cast<std::uint32_t>(b.size() - framesOffset + 1)); },
         "N3 rpl file size mismatch"},
        {"shorter than a header", [](std::string b) { return b.substr(0, 15); }, "N3 rpl file size mismatch"},
        {"reserved", [](std::string b) { return Patched(b, 8, 1); }, "N3 rpl header reserved not zero"},
        {"length1",
         [](std::string b) {
             b.push_back('\0');
             return Patched(b, 0, 4062);
         },
         "N3 rpl length1 error"},
        {"80 drivers", [](std::string b) { return Patched(b, 12, 80); }, "N3 rpl driver count above 79"},
        {"one driver", [](std::string b) { return Patched(b, 12, 1); }, "N3 rpl fewer than two drivers"},
        {"car of no driver",
         [](std::string b) { return b.replace(framesOffset + 1, 1, 1, '\x04'); },
         "N3 rpl car record driver index error"},
        {"trailer", [](std::string b) { return Patched(b, b.size() - 4, 28); }, "N3 rpl frame trailer size mismatch"},
    };
    const std::string bytes = WriteN3Rpl(TwoDrivers({Cars({{0, 5}, {1, 6}})}));
    EXPECT_EQ(ReadingFault(bytes), "accepted");
    for (const Fault& fault : faults)
        EXPECT_EQ(ReadingFault(fault.change(bytes)), fault.description) << fault.name;
}

TEST(N3RplFile, FrameDataThatEndInsideAFrameFailToRead) {
    // The frame announces one car and a skipped block entry more than the data hold.
    for (std::size_t field : {framesOffset, framesOffset + 1 + 2 * 11 + 2}) {
        std::string bytes = WriteN3Rpl(TwoDrivers({Cars({{0, 5}, {1, 6}})}));
        bytes[field] = static_cast<char>(bytes[field] + 1);
        EXPECT_THROW(Read(bytes), Tessel::Util::XFileRead) << field;
    }
}

}  // namespace
