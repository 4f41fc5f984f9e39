#include "Papy/Replays/GPLRpyFile.h"
#include "Samples/RpyWriter.h"
#include "Util/Exception.h"
#include "testing/MemoryStream.h"
#include "tests/Failures.h"
#include "tests/Papy/PapyTestSupport.h"

#include <gtest/gtest.h>


using namespace Tessel::Papy;
using namespace Linewright::Samples;
using namespace Linewright::Testing;

namespace {

GPLRpyFile Read(const std::string& bytes) {
    return GPLRpyFile(*MemoryStream(bytes, "test.rpy").stream);
}

std::string FormatFault(const std::string& bytes) {
    return Linewright::Testing::FormatFault("test.rpy", [&] { Read(bytes); });
}

// The offset of the first chunk with this id, whose characters the file holds in reverse.
std::size_t ChunkAt(const std::string& bytes, const std::string& id) {
    const std::size_t offset = bytes.find(std::string(id.rbegin(), id.rend()));
    EXPECT_NE(offset, std::string::npos) << id;
    return offset;
}

// Sets a word of the first chunk with this id: 0 its id, 4 its version, 8 its size, 12 on the payload.
std::string PatchChunk(const std::string& bytes, const std::string& id, std::size_t field,
                       std::uint32_t value) {
    return Patched(bytes, ChunkAt(bytes, id) + field, value);
}

// A replay of the version whose RPTP chunk holds exactly `frames`, after `lapTables`.
std::string WithFrames(std::uint32_t version, const std::string& frames, const std::string& lapTables = "") {
    RpyScript script = ExampleRpyScript(version);
    script.lapTables.clear();
    script.frames.clear();
    const std::string bytes = WriteRpy(script);
    return bytes.substr(0, ChunkAt(bytes, "RPTP")) + lapTables + RpyChunk("RPTP", 0, frames);
}

// An N4 replay of the example's drivers that holds just this session.
RpyScript SessionScript(const RpySession& session) {
    RpyScript script = ExampleRpyScript(3);
    script.lapTables.clear();
    script.frames.clear();
    AddSession(script, session);
    return script;
}

std::string FrameHeader(std::uint32_t size, std::uint32_t previousSize) { return Words({size | previousSize << 16, 0}); }
std::string RecordHeader(std::uint32_t type, std::uint32_t size) { return Words({type | size << 16}); }

struct ListedLap {
    std::uint32_t driver;
    std::uint32_t lap;
    double time;
    bool operator==(const ListedLap&) const = default;
};

std::vector<ListedLap> CompleteLaps(const RpyFile& replay, std::uint32_t table = 0) {
    std::vector<ListedLap> laps;
    for (std::uint32_t driver = 0; driver < replay.GetDriverCount(); ++driver) {
        for (std::uint32_t lap = 0; lap < replay.GetLapCount(table, driver); ++lap) {
            if (replay.GetLapStatus(table, driver, lap) == LapStatus::Complete)
                laps.push_back({driver, lap, replay.GetLapTime(table, driver, lap)});
        }
    }
    return laps;
}

// The laps of the example: each car's laps between two crossings, except the one of slot 3
// during which it went unrecorded; times from the lap-end times the writer computed.
std::vector<ListedLap> ExampleLaps(const RpyScript& script) {
    const auto& table = script.lapTables[0];
    auto time = [&](std::size_t readout, std::size_t lap) {
        const auto& ends = table[readout].endTimes;
        return (ends[lap] - ends[lap - 1]) / 1000.0;
    };
    return {{0, 1, time(0, 1)}, {0, 2, time(0, 2)}, {1, 1, time(1, 1)},
            {1, 2, time(1, 2)}, {3, 1, time(2, 1)}, {3, 3, time(2, 3)}};
}

void ExpectSamplesMatch(const GPLRpyFile& replay, const RpyScript& script, double lateralTolerance) {
    for (std::uint32_t frame = 0; frame < script.frames.size(); ++frame) {
        const RpyFrame& written = script.frames[frame];
        std::vector<RpyCar> cars = written.cars;
        if (written.player)
            cars.push_back({1, *written.player});
        std::vector<bool> seen(replay.GetDriverCount());
        for (const RpyCar& car : cars) {
            seen[car.slot] = true;
            ASSERT_TRUE(replay.IsSampleValid(car.slot, frame));
            EXPECT_NEAR(replay.GetLongitude(car.slot, frame), car.position.longitude, 1e-3);
            EXPECT_NEAR(replay.GetLateral(car.slot, frame), car.position.lateral, lateralTolerance);
            EXPECT_NEAR(replay.GetAngle(car.slot, frame), car.position.angle, 1e-3);
        }
        for (std::uint32_t driver = 0; driver < seen.size(); ++driver) {
            if (seen[driver])
                continue;
            EXPECT_FALSE(replay.IsSampleValid(driver, frame));
            EXPECT_EQ(replay.GetLongitude(driver, frame), 0.0);
            EXPECT_EQ(replay.GetLateral(driver, frame), 0.0);
            EXPECT_EQ(replay.GetAngle(driver, frame), 0.0);
        }
    }
}

}  // namespace

// Every game's example, and the sample encodings its frame chunk's flags choose (N4 replays
// ignore the float flag).
TEST(GPLRpyFile, ReadsTheExampleOfEveryGameInEverySampleEncoding) {
    struct Variant {
        std::uint32_t version;
        bool floatSamples;
        bool quarterMillimetres;
    };
    for (const Variant variant : {Variant{0, false, false}, Variant{2, false, false}, Variant{3, false, false},
                                  Variant{4, false, false}, Variant{5, false, false}, Variant{2, true, false},
                                  Variant{4, false, true}, Variant{5, true, false}}) {
        const std::uint32_t version = variant.version;
        SCOPED_TRACE(testing::Message() << version << variant.floatSamples << variant.quarterMillimetres);
        RpyScript script = ExampleRpyScript(version, variant.floatSamples);
        script.quarterMillimetres = variant.quarterMillimetres;
        const GPLRpyFile replay = Read(WriteRpy(script));
        EXPECT_EQ(replay.GetVersion(), version);
        EXPECT_EQ(replay.GetTrackName(), "monza");
        EXPECT_EQ(replay.GetPlayerName(), "Jim Clark");
        EXPECT_EQ(replay.GetPlayerIndex(), 1u);
        ASSERT_EQ(replay.GetDriverCount(), 4u);
        EXPECT_EQ(replay.GetDriverName(0), "Graham Hill");
        EXPECT_EQ(replay.GetDriverName(2), " ");  // a slot without an entry
        EXPECT_EQ(replay.GetCarNumber(0), "00");
        EXPECT_EQ(replay.GetCarNumber(1), "7");
        EXPECT_EQ(replay.GetCarNumber(3), "2010");
        EXPECT_EQ(replay.GetFrameCount(), script.frames.size());
        EXPECT_DOUBLE_EQ(replay.GetFrameInterval(), 1.0 / 36.0);
        ASSERT_EQ(replay.GetLapTableCount(), 1u);
        EXPECT_EQ(replay.GetLapCount(0, 1), 4u);
        EXPECT_EQ(replay.GetLapCount(0, 2), 0u);  // only the start mark
        EXPECT_EQ(CompleteLaps(replay), ExampleLaps(script));
        ExpectSamplesMatch(replay, script, version < 3 ? 0.01 : 0.005);
    }
}

TEST(GPLRpyFile, LapsSpanTheFramesBetweenCrossings) {
    const RpyScript script = ExampleRpyScript(2);
    const GPLRpyFile replay = Read(WriteRpy(script));
    // The player (48 m/s from 900 m) crosses the line at 2.083 s, 22.917 s and 43.750 s.
    EXPECT_EQ(replay.GetLapFirstFrame(0, 1, 1), 75u);
    EXPECT_EQ(replay.GetLapEndFrame(0, 1, 1), 825u);
    EXPECT_EQ(replay.GetLapFirstFrame(0, 1, 2), 825u);
    EXPECT_EQ(replay.GetLapEndFrame(0, 1, 2), 1575u);
    EXPECT_NEAR(replay.GetLapTime(0, 1, 1), 20.833, 1e-9);
    EXPECT_EQ(replay.GetLapStatus(0, 1, 0), LapStatus::PartlyRecorded);  // began mid-lap
    EXPECT_EQ(replay.GetLapStatus(0, 1, 3), LapStatus::PartlyRecorded);  // still open
    EXPECT_EQ(replay.GetLapStatus(0, 3, 2), LapStatus::PartlyRecorded);  // car went missing
}

// The frames are read in blocks of about a megabyte, so frames here straddle block boundaries.
TEST(GPLRpyFile, FramesAcrossTheReadersBlocks) {
    RpyScript script = ExampleRpyScript(2);
    script.lapTables.clear();
    script.frames.clear();
    RpySession session;
    session.frameCount = 36 * 180;
    session.drives = {{1, true, 900.0, 48.0, 1.5, {}}};
    for (std::uint32_t slot = 4; slot < 20; ++slot) {
        script.drivers.push_back({"Car", std::to_string(slot), slot, slot});
        session.drives.push_back({slot, false, 50.0 * slot, 40.0 + slot, 0.5, {{2000 + slot, 2100}}});
    }
    AddSession(script, session);
    const std::string bytes = WriteRpy(script);
    ASSERT_GT(bytes.size(), 3u << 19);
    const GPLRpyFile replay = Read(bytes);
    EXPECT_EQ(replay.GetFrameCount(), session.frameCount);
    ExpectSamplesMatch(replay, script, 0.01);
    const std::vector<ListedLap> laps = CompleteLaps(replay);
    EXPECT_GT(laps.size(), 100u);
    for (const ListedLap& lap : laps) {
        const double speed = lap.driver == 1 ? 48.0 : 40.0 + lap.driver;
        EXPECT_NEAR(lap.time, 1000.0 / speed, 0.002) << lap.driver << " " << lap.lap;
    }
}

TEST(GPLRpyFile, HeaderLayouts) {
    RpyScript script = ExampleRpyScript(2);
    const GPLRpyFile replay = Read(WriteRpy(script));
    EXPECT_EQ(replay.GetHeaderWord1(), 0x11111111u);
    EXPECT_EQ(replay.GetHeaderWord2(), 0x22222222u);
    ASSERT_EQ(replay.GetHeaderValueCount(), 4u);
    EXPECT_EQ(replay.GetHeaderValue(0), 0x22222222u);
    EXPECT_EQ(replay.GetHeaderValue(3), 0x66u);
    EXPECT_EQ(replay.GetHeaderText(), u"");
    // A GPL replay whose header has version 1 uses the long layout, text and all.
    script.headerVersion = 1;
    script.headerText = u"Odd";
    const GPLRpyFile longLayout = Read(WriteRpy(script));
    ASSERT_EQ(longLayout.GetHeaderValueCount(), 5u);
    EXPECT_EQ(longLayout.GetHeaderValue(1), 0x33u);
    EXPECT_EQ(longLayout.GetHeaderValue(4), 0x66u);
    EXPECT_EQ(longLayout.GetHeaderText(), u"Odd");
    EXPECT_EQ(longLayout.GetPlayerName(), "Jim Clark");
    EXPECT_EQ(Read(WriteRpy(ExampleRpyScript(5))).GetHeaderText(), u"Practice");
}

TEST(GPLRpyFile, BackwardWalkFindsCrossingsBeforeTheFirstClock) {
    RpySession session;
    session.frameCount = 60 * 36;
    session.firstClockFrame = 200;  // after the player's first crossing at frame 75
    session.drives = {{1, true, 900.0, 48.0, 0.0, {}}};
    const GPLRpyFile replay = Read(WriteRpy(SessionScript(session)));
    EXPECT_EQ(replay.GetLapStatus(0, 1, 1), LapStatus::Complete);
    EXPECT_EQ(replay.GetLapFirstFrame(0, 1, 1), 75u);
    EXPECT_EQ(replay.GetLapStatus(0, 1, 2), LapStatus::Complete);
    // A car that goes unrecorded far from the line has not crossed it.
    session.drives[0].gaps = {{170, 180}};
    const GPLRpyFile withGap = Read(WriteRpy(SessionScript(session)));
    EXPECT_EQ(withGap.GetLapStatus(0, 1, 0), LapStatus::PartlyRecorded);
    EXPECT_EQ(withGap.GetLapStatus(0, 1, 1), LapStatus::PartlyRecorded);
    EXPECT_EQ(withGap.GetLapStatus(0, 1, 2), LapStatus::Complete);
}

TEST(GPLRpyFile, CrossingsOfACarWithoutLapEndTimes) {
    RpySession session;
    session.frameCount = 40 * 36;
    session.firstClockFrame = 1000;  // after two crossings of the car in slot 0
    session.drives = {{1, true, 900.0, 48.0, 0.0, {}}, {0, false, 500.0, 55.0, 0.0, {}}};
    RpyScript script = SessionScript(session);
    // One crossing before the first clock: the walk ends in the start mark and stops there.
    RpyScript oneCrossing = script;
    oneCrossing.frames.resize(20 * 36);
    for (std::size_t frame = 0; frame < 20 * 36; ++frame)
        oneCrossing.frames[frame].clock.reset();
    oneCrossing.frames.back().clock = 20 * 100;
    oneCrossing.lapTables[0].pop_back();
    EXPECT_EQ(Read(WriteRpy(oneCrossing)).GetLapCount(0, 0), 0u);
    // Two crossings before the first clock and no lap to give them to.
    script.lapTables[0].pop_back();
    EXPECT_EQ(BrokenCheck([&] { Read(WriteRpy(script)); }), "lap > 0");
}

TEST(GPLRpyFile, OnlyTheNewestLapTableIsRecorded) {
    RpyScript script = ExampleRpyScript(2);
    script.lapTables.insert(script.lapTables.begin(), script.lapTables[0]);
    const GPLRpyFile replay = Read(WriteRpy(script));
    ASSERT_EQ(replay.GetLapTableCount(), 2u);
    EXPECT_EQ(replay.GetLapStatus(0, 1, 1), LapStatus::NotRecorded);
    EXPECT_EQ(replay.GetLapFirstFrame(0, 1, 1), 0xFFFFFFFFu);
    EXPECT_EQ(CompleteLaps(replay, 1), ExampleLaps(script));
}

TEST(GPLRpyFile, DriverEntries) {
    RpyScript script = ExampleRpyScript(5);
    script.drivers.push_back({"Bruce", "McLaren", 5, 2009});
    script.drivers.push_back({"Jack", "Brabham", 3, 12});  // replaces the earlier slot 3
    const GPLRpyFile replay = Read(WriteRpy(script));
    ASSERT_EQ(replay.GetDriverCount(), 6u);
    EXPECT_EQ(replay.GetCarNumber(5), "09");
    EXPECT_EQ(replay.GetDriverName(3), "Jack Brabham");
    EXPECT_FALSE(replay.IsSampleValid(4, 0));
    EXPECT_FALSE(replay.IsSampleValid(1, replay.GetFrameCount()));
    EXPECT_THROW(replay.GetLongitude(1, replay.GetFrameCount()), Tessel::Util::XAssertion);
    EXPECT_THROW(replay.GetDriverName(6), Tessel::Util::XAssertion);
    EXPECT_THROW(replay.GetLapStatus(0, 1, 4), Tessel::Util::XAssertion);
    EXPECT_THROW(replay.GetLapCount(1, 1), Tessel::Util::XAssertion);
}

TEST(GPLRpyFile, ASecondSampleOfACarInOneFrameIsIgnored) {
    RpyScript script = ExampleRpyScript(3);
    script.frames[5].cars.push_back({0, {123.0, 0.0, 0.0}});
    const GPLRpyFile replay = Read(WriteRpy(script));
    EXPECT_EQ(replay.GetFrameCount(), script.frames.size());
    EXPECT_NEAR(replay.GetLongitude(0, 5), script.frames[5].cars[0].position.longitude, 1e-3);
    EXPECT_NEAR(replay.GetLongitude(0, 6), script.frames[6].cars[0].position.longitude, 1e-3);
}

// WKNF, DRLS, DRNT and LPRO share one reader of chunk headers: one of its two messages each
// shows that they go through it.
TEST(GPLRpyFile, ChunkFaults) {
    const std::string gpl = WriteRpy(ExampleRpyScript(2));
    const std::string n4 = WriteRpy(ExampleRpyScript(3));
    const std::string n2003 = WriteRpy(ExampleRpyScript(5));
    EXPECT_EQ(FormatFault(PatchChunk(gpl, "RPLY", 0, 0x52504C58)), "GPL rpy file id not RPLY");
    EXPECT_EQ(FormatFault(PatchChunk(gpl, "RPLY", 4, 6)), "GPL rpy file unsupported version");
    EXPECT_EQ(FormatFault(PatchChunk(gpl, "RPHD", 0, 0)), "GPL rpy header id not RPHD");
    EXPECT_EQ(FormatFault(PatchChunk(gpl, "RPHD", 4, 2)), "GPL rpy file header unsupported version");
    EXPECT_EQ(FormatFault(PatchChunk(gpl, "RPHD", 8, 80)), "GPL rpy file header size error");
    EXPECT_EQ(FormatFault(PatchChunk(n4, "RPHD", 8, 59)), "N4 rpy file header size error");
    EXPECT_EQ(FormatFault(PatchChunk(gpl, "WKNF", 0, 0)), "GPL rpy wknf not found");
    EXPECT_EQ(FormatFault(PatchChunk(gpl, "WKNF", 8, 171)), "GPL rpy wknf size error");
    EXPECT_EQ(FormatFault(PatchChunk(n4, "WKNF", 8, 181)), "N4 rpy wknf size error");
    EXPECT_EQ(FormatFault(PatchChunk(n2003, "WKNF", 8, 171)), "N2003 rpy wknf size error");
    EXPECT_EQ(FormatFault(PatchChunk(gpl, "DRLS", 0, 0)), "GPL rpy driver list id not DRLS");
    EXPECT_EQ(FormatFault(PatchChunk(gpl, "DRLS", 8, 153)), "GPL rpy driver list size error");
    EXPECT_EQ(FormatFault(PatchChunk(gpl, "DRNT", 0, 0)), "GPL rpy driver entry id not DRNT");
    EXPECT_EQ(FormatFault(PatchChunk(gpl, "DRNT", 8, 138)), "GPL rpy driver entry size error");
    EXPECT_EQ(FormatFault(PatchChunk(n4, "DRNT", 8, 170)), "N4 rpy driver entry size error");
    EXPECT_EQ(FormatFault(PatchChunk(n2003, "DRNT", 8, 171)), "N2003 rpy driver entry size error");
    EXPECT_EQ(FormatFault(PatchChunk(gpl, "DRNT", 12 + 124, 64)), "GPL rpy driver entry slot error");
    EXPECT_EQ(FormatFault(PatchChunk(n4, "DRNT", 12 + 164, 128)), "GPL rpy driver entry slot error");
    RpyScript stranger = ExampleRpyScript(2);
    stranger.playerLastName = "clark";
    EXPECT_EQ(FormatFault(WriteRpy(stranger)), "GPL/N4 rpy player driver not found");
    EXPECT_EQ(FormatFault(PatchChunk(gpl, "RPTP", 0, 0)), "GPL rpy type id not RPTP");
    EXPECT_EQ(FormatFault(PatchChunk(gpl, "RPTP", 4, 0x61)), "GPL rpy type unsupported version");
    EXPECT_THROW(Read(gpl.substr(0, gpl.size() - 5)), Tessel::Util::XFileRead);
}

TEST(GPLRpyFile, LapTableFaults) {
    const std::string readout = RpyChunk("LPRO", 0, Words({0, 1000, 2000}));
    EXPECT_EQ(FormatFault(WithFrames(2, "", RpyChunk("LPTB", 1, readout))),
              "GPL rpy lap table unsupported version");
    EXPECT_EQ(FormatFault(WithFrames(2, "", RpyChunk("LPTB", 0, readout + Words({0, 0})))),
              "GPL rpy no room for lap read-out header");
    EXPECT_EQ(FormatFault(WithFrames(2, "", RpyChunk("LPTB", 0, RpyChunk("LPRX", 0, Words({0}))))),
              "GPL rpy lap read-out id not LPRO");
    for (std::uint32_t size : {0u, 6u, 16u}) {
        // A read-out header claiming `size` bytes, then 4 bytes of payload.
        const std::string header = Words({0x4C50524F, 0, size});
        EXPECT_EQ(FormatFault(WithFrames(2, "", RpyChunk("LPTB", 0, header + Words({0})))),
                  "GPL rpy lap read-out size error")
            << size;
    }
    EXPECT_EQ(FormatFault(WithFrames(2, "", RpyChunk("LPTB", 0, RpyChunk("LPRO", 0, Words({4}))))),
              "GPL rpy lap read-out driver slot error");
    // A read-out without lap-end times leaves the start and the open mark: one lap.
    const GPLRpyFile replay = Read(WithFrames(2, "", RpyChunk("LPTB", 0, RpyChunk("LPRO", 0, Words({1})))));
    EXPECT_EQ(replay.GetLapCount(0, 1), 1u);
    EXPECT_EQ(replay.GetLapCount(0, 0), 0u);
}

TEST(GPLRpyFile, FrameFaults) {
    const std::string clock = RecordHeader(13, 8) + Words({100 << 8});
    EXPECT_EQ(FormatFault(WithFrames(2, Words({0}))), "GPL rpy no room for frame header");
    EXPECT_EQ(FormatFault(WithFrames(2, FrameHeader(7, 0))), "GPL rpy frame header size error");
    EXPECT_EQ(FormatFault(WithFrames(2, FrameHeader(8, 0) + FrameHeader(8, 9))),
              "GPL rpy frame header size mismatch");
    EXPECT_EQ(FormatFault(WithFrames(2, FrameHeader(20, 0) + clock)), "GPL rpy frame size mismatch");
    EXPECT_EQ(FormatFault(WithFrames(2, FrameHeader(10, 0) + Words({0}))), "GPL rpy no room for type header");
    EXPECT_EQ(FormatFault(WithFrames(2, FrameHeader(12, 0) + RecordHeader(7, 3))),
              "GPL rpy type header size error");
    EXPECT_EQ(FormatFault(WithFrames(2, FrameHeader(16, 0) + RecordHeader(7, 9) + Words({0}))),
              "GPL rpy type size mismatch");
    EXPECT_EQ(FormatFault(WithFrames(2, FrameHeader(16, 0) + RecordHeader(1, 8) + Words({0}))),
              "GPL rpy player sample size error");
    EXPECT_EQ(FormatFault(WithFrames(3, FrameHeader(16, 0) + RecordHeader(1, 8) + Words({0}))),
              "N4 rpy player sample size error");
    EXPECT_EQ(FormatFault(WithFrames(2, FrameHeader(12, 0) + RecordHeader(13, 4))),
              "GPL rpy session clock size error");
    const std::string car = RecordHeader(3, 20) + Words({0, 4u << 26, 0, 0});
    EXPECT_EQ(FormatFault(WithFrames(2, FrameHeader(28, 0) + car)), "GPL rpy car sample driver slot error");
    // Frames of a header only, and a record size rounded up past trailing bytes, are sound; so
    // is a replay without lap tables.
    const std::string odd = RecordHeader(9, 5) + Words({0});
    const GPLRpyFile replay =
        Read(WithFrames(2, FrameHeader(8, 0) + FrameHeader(16, 8) + odd + FrameHeader(16, 16) + clock));
    EXPECT_EQ(replay.GetFrameCount(), 3u);
    EXPECT_EQ(replay.GetLapTableCount(), 0u);
}
