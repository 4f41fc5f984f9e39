#include "Samples/GameFolderWriter.h"
#include "testing/TemporaryFolder.h"
#include "tests/Cli/RunCli.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

using namespace Linewright::Samples;

namespace {

struct Point {
    double x, y;
};
using Polygon = std::vector<Point>;

std::string Element(const std::string& svg, const std::string& id) {
    std::smatch found;
    if (!std::regex_search(svg, found, std::regex("<[a-z]+ id=\"" + id + "\"[^>]*>([^<]*)")))
        return {};
    return found.str(0);
}

Polygon Points(const std::string& element) {
    Polygon points;
    const std::regex pair("(-?[0-9.]+),(-?[0-9.]+)");
    for (auto it = std::sregex_iterator(element.begin(), element.end(), pair); it != std::sregex_iterator(); ++it)
        points.push_back({std::stod((*it)[1]), std::stod((*it)[2])});
    return points;
}

bool Contains(const Polygon& polygon, Point p) {
    bool inside = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Point a = polygon[i], b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

// Where the line's coloured segments start.
Polygon SegmentStarts(const std::string& svg) {
    Polygon starts;
    const std::regex line("<line x1=\"([-0-9.]+)\" y1=\"([-0-9.]+)\" x2=\"[-0-9.]+\" y2=\"[-0-9.]+\" stroke=\"#[0-9a-fA-F]{6}\"/>");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), line); it != std::sregex_iterator(); ++it)
        starts.push_back({std::stod((*it)[1]), std::stod((*it)[2])});
    return starts;
}

}  // namespace

// A smoke test of the SVG: what it draws (the outline, the line and its speed colours) is
// LapPreview's and SpeedScale's, proved in LapPreviewTest and by the window's preview tests.
TEST(PlotCli, TheLineLiesBetweenTheTrackEdgesBesideTheExistingLp) {
    const TemporaryFolder folder;
    const GPLFolder game = WriteGPLFolder(folder.path);
    const std::string replay = game.replay.string();
    const std::string alonePath = (folder / "alone.svg").string(), svgPath = (folder / "lap.svg").string();
    const CliResult alone = RunCli({"plot", replay, "--lap", "best", "-o", alonePath});
    ASSERT_EQ(alone.status, 0) << alone.err;
    EXPECT_EQ(alone.out, alonePath + "\n");
    EXPECT_EQ(Element(ReadFile(alonePath), "existing-line"), "");

    ASSERT_EQ(RunCli({"convert", replay, "--lap", "0:1:1", "--type", "race"}).status, 0);
    const CliResult plot = RunCli({"plot", replay, "--lap", "0:0:1", "--type", "race", "-o", svgPath});
    ASSERT_EQ(plot.status, 0) << plot.err;
    // Graham Hill drives 2 m right of centre, Jim Clark 1.5 m left, each weaving by 3 m.
    EXPECT_NE(plot.out.find("Largest lateral gap to the existing race.lp: "), std::string::npos) << plot.out;
    const std::string svg = ReadFile(svgPath);
    const Polygon left = Points(Element(svg, "left-edge"));
    const Polygon right = Points(Element(svg, "right-edge"));
    const Polygon starts = SegmentStarts(svg);
    ASSERT_GT(left.size(), 100u);
    EXPECT_EQ(starts.size() + 1, 533u);  // one segment between each two of the track's records
    for (std::size_t i = 0; i < starts.size(); ++i)  // inside the outer loop and outside the inner one
        EXPECT_NE(Contains(left, starts[i]), Contains(right, starts[i])) << "record " << i;
    EXPECT_NE(Element(svg, "slowest").find(" m/s"), std::string::npos);
    EXPECT_EQ(Points(Element(svg, "existing-line")).size(), starts.size() + 1);
    EXPECT_NE(Element(svg, "existing-lateral"), "");
    EXPECT_NE(Element(svg, "comparison").find("race.lp"), std::string::npos);
}

TEST(PlotCli, SeveralLapsSideBySideAndTheirDeltaAtEachTenth) {
    const TemporaryFolder folder;
    const GPLFolder game = WriteGPLFolder(folder / "gpl");
    const std::string svg = (folder / "laps.svg").string();
    const CliResult plotted = RunCli({"plot", game.replay.string(), "--lap", "0:0:1", "--lap", "0:1:1", "-o", svg});
    ASSERT_EQ(plotted.status, 0) << plotted.err;
    const std::string drawn = ReadFile(svg);
    for (const char* id : {"line-0", "line-1", "speed-1", "delta-0", "delta-1"})
        EXPECT_NE(Element(drawn, id), "") << id;
    EXPECT_NE(Element(drawn, "key-1").find("Graham Hill"), std::string::npos);

    const CliResult compared = RunCli({"laps", game.replay.string(), "--compare", "0:0:1,0:1:1"});
    EXPECT_EQ(compared.status, 0) << compared.err;
    std::istringstream lines(compared.out);
    std::vector<double> deltas;
    for (std::string line; std::getline(lines, line);)
        if (line[0] != '#')
            deltas.push_back(std::stod(line.substr(line.rfind('\t') + 1)));
    ASSERT_EQ(deltas.size(), 11u) << compared.out;
    EXPECT_EQ(deltas.front(), 0.0);
    // The slower driver's whole lap, 42.333 s against 40.860 s, lost bit by bit.
    EXPECT_NEAR(deltas.back(), 1.473, 0.002);
    EXPECT_TRUE(std::is_sorted(deltas.begin(), deltas.end()));
}
