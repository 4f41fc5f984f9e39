#include "tests/Cli/RunCli.h"

#include "Samples/GPLTrkWriter.h"
#include "testing/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <sstream>

namespace {

using Linewright::Samples::SampleTrkShape;
using Linewright::Samples::WriteGPLTrk;

// The value of a "key: value" line.
std::string Field(const std::string& out, const std::string& key) {
    std::smatch match;
    if (std::regex_search(out, match, std::regex("(^|\n)" + key + ": ([^\n]*)\n")))
        return match[2];
    return "missing";
}

TEST(CliTrkInfo, DescribesAGPLTrackAndThePointAskedFor) {
    const TemporaryFolder folder;
    const auto path = folder.Write("oval.trk", WriteGPLTrk(SampleTrkShape()));
    auto result = RunCli({"info", path.string()});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out.substr(0, 16), "format: GPL trk\n");
    EXPECT_EQ(Field(result.out, "sections"), "12");
    EXPECT_TRUE(std::regex_match(Field(result.out, "length_m"), std::regex("1595\\.9[0-9]{5}")));
    const std::string length2D = Field(result.out, "length_2d_m");
    EXPECT_TRUE(std::regex_match(length2D, std::regex("[0-9]+\\.[0-9]{6}")));
    EXPECT_NEAR(std::stod(length2D), SampleTrkShape().Get2DLength(), 1.0e-3);
    EXPECT_EQ(Field(result.out, "point"), "missing");

    result = RunCli({"info", path.string(), "--point", "50,3"});
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string point = Field(result.out, "point");
    EXPECT_TRUE(std::regex_match(point, std::regex("(-?[0-9]+\\.[0-9]{6} ){6}-?[0-9]+"))) << point;
    std::istringstream numbers(point);
    double x = 0, y = 0, z = 0, heading = 1, pitch = 1, bank = 1;
    int surface = -1;
    numbers >> x >> y >> z >> heading >> pitch >> bank >> surface;
    EXPECT_NEAR(x, 150.0, 2.0e-4);
    EXPECT_NEAR(y, -47.0, 2.0e-4);
    EXPECT_EQ(surface, 1);
    // A negative longitude wraps to the end of the lap.
    result = RunCli({"info", path.string(), "--point=-12.5,1.0"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(Field(result.out, "point"), "missing");
    EXPECT_EQ(RunCli({"info", path.string(), "--point", "1"}).status, 2);
}

TEST(CliTrkInfo, APointThatIsNoNumberOfATrackIsRefused) {
    const TemporaryFolder folder;
    const auto path = folder.Write("oval.trk", WriteGPLTrk(SampleTrkShape()));
    for (const std::string point : {"--point=nan,0", "--point=0,nan", "--point=inf,0", "--point=-inf,0", "--point=0,1e999"})
        EXPECT_EQ(RunCli({"info", path.string(), point}).status, 2) << point;
    for (const std::string point : {"--point=1e300,0", "--point=0,1e300"}) {
        const auto result = RunCli({"info", path.string(), point});
        EXPECT_EQ(result.status, 1) << point;
        EXPECT_NE(result.err.find("out of the range of a track"), std::string::npos) << result.err;
    }
}

}  // namespace
