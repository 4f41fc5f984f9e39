#include "Linewright/LapList.h"
#include "tests/Linewright/LapFakes.h"

#include <gtest/gtest.h>

using namespace Linewright;
using Tessel::Papy::LapStatus;

namespace {

// A replay with one lap table in which every driver has `laps` laps; lap l of driver d is
// complete unless (d + l) is odd, and lasts 60 + l seconds.
class ManyLaps : public LapFakes::Replay {
public:
    ManyLaps(std::uint32_t tables, std::uint32_t drivers, std::uint32_t laps)
        : tables(tables), drivers(drivers), laps(laps) {}

    std::uint32_t GetDriverCount() const override { return drivers; }
    std::string GetDriverName(std::uint32_t driver) const override { return std::to_string(driver) + "D"; }
    std::uint32_t GetLapTableCount() const override { return tables; }
    std::uint32_t GetLapCount(std::uint32_t, std::uint32_t) const override { return laps; }
    double GetLapTime(std::uint32_t, std::uint32_t, std::uint32_t lap) const override { return 60.0 + lap; }
    LapStatus GetLapStatus(std::uint32_t, std::uint32_t driver, std::uint32_t lap) const override {
        return (driver + lap) % 2 ? LapStatus::PartlyRecorded : LapStatus::Complete;
    }

private:
    std::uint32_t tables, drivers, laps;
};

}  // namespace

TEST(LapList, LapTimeText) {
    EXPECT_EQ(LapTimeText(83.4567), "1m 23.457s");
    EXPECT_EQ(LapTimeText(59.9999), "0m 60.000s");
    EXPECT_EQ(LapTimeText(20.833), "0m 20.833s");
    EXPECT_EQ(LapTimeText(3600.0), "60m 0.000s");
}

TEST(LapList, ItemCodesNameOneLapEach) {
    EXPECT_EQ(EncodeLapItem({0, 0, 0}), 0x010101u);
    EXPECT_EQ(EncodeLapItem({2, 3, 4}), 0x030405u);
    EXPECT_EQ(EncodeLapItem({254, 254, 254}), 0xFFFFFFu);
    EXPECT_EQ(EncodeLapItem({0, 255, 0}), 0u);
    EXPECT_EQ(EncodeLapItem({0, 0, 1000}), 0u);
    EXPECT_EQ(DecodeLapItem(0x030405u), (LapRef{2, 3, 4}));
    EXPECT_EQ(DecodeLapItem(0xFFFFFFu), (LapRef{254, 254, 254}));
    for (std::uint32_t code : {0u, 0x000101u, 0x010001u, 0x010100u, 0x01010101u})
        EXPECT_FALSE(DecodeLapItem(code)) << std::hex << code;
}

TEST(LapList, ListsCompleteLapsInTableDriverLapOrder) {
    const ManyLaps replay(2, 2, 3);
    const auto entries = ListCompleteLaps(replay);
    std::vector<LapRef> listed;
    for (const auto& entry : entries) {
        listed.push_back(entry.lap);
        EXPECT_EQ(DecodeLapItem(entry.Code()), entry.lap);
    }
    const std::vector<LapRef> expected{{0, 0, 0}, {0, 0, 2}, {0, 1, 1}, {1, 0, 0}, {1, 0, 2}, {1, 1, 1}};
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(entries[1].Text(), "0D 1m 2.000s");
}

TEST(LapList, LeavesOutLapsTheCodeCannotName) {
    const auto entries = ListCompleteLaps(ManyLaps(1, 300, 300));
    ASSERT_FALSE(entries.empty());
    for (const auto& entry : entries) {
        EXPECT_LE(entry.lap.driver, largestCodedIndex);
        EXPECT_LE(entry.lap.lap, largestCodedIndex);
        EXPECT_EQ(DecodeLapItem(entry.Code()), entry.lap);
    }
    EXPECT_EQ(entries.size(), (255u * 255u + 1) / 2);  // the even sums of 0..254 and 0..254
}
