#include "Linewright/ComparisonSvg.h"

#include "Linewright/GraphFit.h"
#include "Linewright/MapFit.h"
#include "Linewright/SvgText.h"

namespace Linewright {

namespace {

using namespace Svg;

constexpr double width = 800;
constexpr double mapHeight = 560;
constexpr double graphHeight = 160;
constexpr double margin = 20;
constexpr double axisWidth = 40;

std::string Stroke(std::size_t i) { return "stroke=\"" + Hex(GetLapColour(i)) + "\" stroke-width=\"2\""; }

void WriteMap(const LapComparison& comparison, std::ostream& out) {
    const MapFit fit(comparison.outline, {margin, margin, width - 2 * margin, mapHeight - 2 * margin});
    const auto world = [&](const PlanePoint& point) { return fit.ToView(point); };
    const auto onTrack = [&](const LinePoint& point) { return fit.ToView(point.position); };
    WritePolyline(out, "left-edge", comparison.outline.left, world, "stroke=\"#909090\"");
    WritePolyline(out, "right-edge", comparison.outline.right, world, "stroke=\"#909090\"");
    for (std::size_t i = 0; i < comparison.laps.size(); ++i) {
        WritePolyline(out, "line-" + std::to_string(i), comparison.laps[i].line, onTrack, Stroke(i));
        const double y = margin + 14 + 18 * static_cast<double>(i);
        out << "<line x1=\"" << margin << "\" y1=\"" << y - 4 << "\" x2=\"" << margin + 24 << "\" y2=\"" << y - 4
            << "\" " << Stroke(i) << "/>\n"
            << "<text id=\"key-" << i << "\" x=\"" << margin + 30 << "\" y=\"" << y << "\" font-size=\"12\">"
            << Escape(comparison.laps[i].name) << "</text>\n";
    }
}

// A frame with its caption; the fit of longitude against value inside it.
GraphFit WriteGraphFrame(const LapComparison& comparison, double top, const std::string& caption, ValueRange range,
                         std::ostream& out) {
    const ViewRect area{margin + axisWidth, top, width - 2 * margin - axisWidth, graphHeight};
    out << "<rect x=\"" << area.left << "\" y=\"" << area.top << "\" width=\"" << area.width << "\" height=\""
        << area.height << "\" fill=\"none\" stroke=\"#c0c0c0\"/>\n";
    out << "<text x=\"" << margin << "\" y=\"" << top - 4 << "\" font-size=\"12\">" << Escape(caption) << " ("
        << Number(range.low) << " to " << Number(range.high) << ")</text>\n";
    return GraphFit(comparison.trackLength, range.low, range.high, area);
}

void WriteSpeeds(const LapComparison& comparison, double top, std::ostream& out) {
    const GraphFit fit = WriteGraphFrame(comparison, top, "Speed by distance, m/s", GetSpeedRange(comparison), out);
    for (std::size_t i = 0; i < comparison.laps.size(); ++i)
        WritePolyline(out, "speed-" + std::to_string(i), comparison.laps[i].line,
                      [&](const LinePoint& point) { return fit.ToView(point.longitude, point.speed); }, Stroke(i));
}

void WriteDeltas(const LapComparison& comparison, double top, std::ostream& out) {
    const std::string caption = "Time against " + comparison.laps.front().name + " by distance, s (lost above 0)";
    const ValueRange range = GetDeltaRange(comparison);
    const GraphFit fit = WriteGraphFrame(comparison, top, caption, range, out);
    const PlanePoint zeroStart = fit.ToView(0.0, 0.0), zeroEnd = fit.ToView(comparison.trackLength, 0.0);
    out << "<line x1=\"" << Number(zeroStart.x) << "\" y1=\"" << Number(zeroStart.y) << "\" x2=\"" << Number(zeroEnd.x)
        << "\" y2=\"" << Number(zeroEnd.y) << "\" stroke=\"#909090\" stroke-dasharray=\"4 3\"/>\n";
    for (std::size_t i = 0; i < comparison.laps.size(); ++i)
        WritePolyline(out, "delta-" + std::to_string(i), comparison.laps[i].delta,
                      [&](const DeltaPoint& point) { return fit.ToView(point.distance, point.delta); }, Stroke(i));
}

}  // namespace

void WriteComparisonSvg(const LapComparison& comparison, const std::string& title, std::ostream& out) {
    const double speedTop = mapHeight + 2 * margin;
    const double deltaTop = speedTop + graphHeight + 2 * margin;
    const double height = deltaTop + graphHeight + 2 * margin;
    WriteSvgStart(out, width, height, title);
    WriteMap(comparison, out);
    WriteSpeeds(comparison, speedTop, out);
    WriteDeltas(comparison, deltaTop, out);
    out << "</svg>\n";
}

}  // namespace Linewright
