#include "Samples/GPLTrkWriter.h"
#include "Samples/GameFolderWriter.h"
#include "Samples/RpyWriter.h"
#include "testing/TemporaryFolder.h"
#include "tests/Cli/RunCli.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numbers>
#include <regex>
#include <sstream>

using namespace Linewright::Samples;

namespace {

struct Point {
    double x, y;
};
using Polygon = std::vector<Point>;

// A GPL game folder whose player speeds up and slows down around the lap: the longitude is
// pushed forward and back by up to 100 m, by nothing at the start line, so the laps keep
// their crossings.
GPLFolder WriteVaryingSpeedFolder(const std::filesystem::path& root) {
    const GPLFolder game = WriteGPLFolder(root);
    const double length = SampleTrkShape().Get2DLength();
    RpyScript script;
    script.drivers = {{"Jim", "Clark", 0, 1}};
    RpySession session{length, 150 * 36, 0, {{0, true, length - 30.0, 46.0, 1.5, {}}}};
    AddSession(script, session);
    for (RpyFrame& frame : script.frames) {
        const double longitude = frame.player->longitude;
        frame.player->longitude = std::fmod(longitude + 100.0 * std::sin(2 * std::numbers::pi * longitude / length) + length, length);
    }
    std::ofstream(game.replay, std::ios::binary) << WriteRpy(script);
    return game;
}

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

struct Segment {
    Point from, to;
    int rgb[3];
};

std::vector<Segment> LineSegments(const std::string& svg) {
    std::vector<Segment> segments;
    const std::regex line(
        "<line x1=\"([-0-9.]+)\" y1=\"([-0-9.]+)\" x2=\"([-0-9.]+)\" y2=\"([-0-9.]+)\" stroke=\"#(..)(..)(..)\"/>");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), line); it != std::sregex_iterator(); ++it) {
        const auto& m = *it;
        segments.push_back({{std::stod(m[1]), std::stod(m[2])}, {std::stod(m[3]), std::stod(m[4])},
                            {std::stoi(m[5], nullptr, 16), std::stoi(m[6], nullptr, 16), std::stoi(m[7], nullptr, 16)}});
    }
    return segments;
}

// The legend's gradient at position 0..1, from its stops.
std::array<double, 3> LegendColour(const std::string& svg, double position) {
    std::vector<std::pair<double, std::array<double, 3>>> stops;
    const std::regex stop("<stop offset=\"([0-9.]+)\" stop-color=\"#(..)(..)(..)\"/>");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), stop); it != std::sregex_iterator(); ++it)
        stops.push_back({std::stod((*it)[1]), {double(std::stoi((*it)[2], nullptr, 16)),
                                               double(std::stoi((*it)[3], nullptr, 16)),
                                               double(std::stoi((*it)[4], nullptr, 16))}});
    std::size_t upper = 1;
    while (upper + 1 < stops.size() && position > stops[upper].first)
        ++upper;
    const auto& [p0, c0] = stops[upper - 1];
    const auto& [p1, c1] = stops[upper];
    const double f = (position - p0) / (p1 - p0);
    return {c0[0] + (c1[0] - c0[0]) * f, c0[1] + (c1[1] - c0[1]) * f, c0[2] + (c1[2] - c0[2]) * f};
}

// The speed column of `info --records`.
std::vector<double> RecordSpeeds(const std::string& lp) {
    std::vector<double> speeds;
    std::istringstream in(RunCli({"info", lp, "--records"}).out);
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        double index, longitude, speed;
        if (fields >> index >> longitude >> speed)
            speeds.push_back(speed);
    }
    return speeds;
}

double Label(const std::string& svg, const std::string& id) {
    std::smatch found;
    std::regex_search(svg, found, std::regex("id=\"" + id + "\"[^>]*>([-0-9.]+) m/s"));
    return std::stod(found[1]);
}

}  // namespace

TEST(PlotCli, TheLineLiesOnTheTrackColouredByItsSpeeds) {
    const TemporaryFolder folder;
    const GPLFolder game = WriteVaryingSpeedFolder(folder.path);
    const std::string replay = game.replay.string();
    const std::string svgPath = (folder / "lap.svg").string();
    const CliResult plot = RunCli({"plot", replay, "--lap", "best", "-o", svgPath});
    ASSERT_EQ(plot.status, 0) << plot.err;
    EXPECT_EQ(plot.out, svgPath + "\n");
    const std::string svg = ReadFile(svgPath);
    EXPECT_EQ(Element(svg, "existing-line"), "");
    ASSERT_EQ(RunCli({"convert", replay, "--lap", "best", "--type", "work"}).status, 0);

    const Polygon left = Points(Element(svg, "left-edge"));
    const Polygon right = Points(Element(svg, "right-edge"));
    const std::vector<Segment> segments = LineSegments(svg);
    const std::vector<double> speeds = RecordSpeeds((game.trackDirectory / "work.lp").string());
    ASSERT_GT(left.size(), 100u);
    ASSERT_EQ(segments.size() + 1, speeds.size());
    const double slowest = Label(svg, "slowest");
    const double fastest = Label(svg, "fastest");
    EXPECT_NEAR(slowest, *std::min_element(speeds.begin(), speeds.end()), 0.01);
    EXPECT_NEAR(fastest, *std::max_element(speeds.begin(), speeds.end()), 0.01);
    EXPECT_GT(fastest - slowest, 20.0);
    for (std::size_t i = 0; i < segments.size(); ++i) {
        // Between the edges: inside the outer loop and outside the inner one.
        EXPECT_NE(Contains(left, segments[i].from), Contains(right, segments[i].from)) << "record " << i;
        const auto expected = LegendColour(svg, (speeds[i] - slowest) / (fastest - slowest));
        for (int channel = 0; channel < 3; ++channel)
            ASSERT_NEAR(segments[i].rgb[channel], expected[channel], 2.0) << "record " << i << " speed " << speeds[i];
    }
}

TEST(PlotCli, TheExistingLpIsDrawnAndComparedAndTheOutputKept) {
    const TemporaryFolder folder;
    const GPLFolder game = WriteGPLFolder(folder.path);
    const std::string replay = game.replay.string();
    const std::string svgPath = (folder / "lap.svg").string();
    ASSERT_EQ(RunCli({"convert", replay, "--lap", "0:1:1", "--type", "race"}).status, 0);
    const CliResult plot = RunCli({"plot", replay, "--lap", "0:0:1", "--type", "race", "-o", svgPath});
    ASSERT_EQ(plot.status, 0) << plot.err;
    // Graham Hill drives 2 m right of centre, Jim Clark 1.5 m left, each weaving by 3 m.
    EXPECT_NE(plot.out.find("Largest lateral gap to the existing race.lp: "), std::string::npos) << plot.out;
    const std::string svg = ReadFile(svgPath);
    EXPECT_EQ(Points(Element(svg, "existing-line")).size(), LineSegments(svg).size() + 1);
    EXPECT_NE(Element(svg, "existing-lateral"), "");
    EXPECT_NE(Element(svg, "comparison").find("race.lp"), std::string::npos);

    EXPECT_EQ(RunCli({"plot", replay, "--lap", "best", "-o", svgPath}).status, 3);
    EXPECT_EQ(ReadFile(svgPath), svg);
    EXPECT_EQ(RunCli({"plot", replay, "--lap", "best", "--type", "../race", "-o", svgPath}).status, 1);
    std::filesystem::remove_all(game.trackDirectory.parent_path());
    const CliResult missing = RunCli({"plot", replay, "--lap", "best", "-o", svgPath, "--overwrite"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "The track folder " + game.trackDirectory.string() + " was not found\n");
    const CliResult laps = RunCli({"laps", replay});
    EXPECT_EQ(laps.status, 1);
    EXPECT_EQ(laps.err, missing.err);
    EXPECT_NE(laps.out.find("0\t0\t1\tJim Clark\t"), std::string::npos);
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
