#include "Linewright/PreviewSvg.h"

#include "Linewright/GraphFit.h"
#include "Linewright/MapFit.h"
#include "Linewright/SpeedScale.h"
#include "Linewright/SvgText.h"

#include <functional>

namespace Linewright {

namespace {

using namespace Svg;

constexpr double width = 800;
constexpr double mapHeight = 600;
constexpr double graphHeight = 140;
constexpr double margin = 20;
constexpr const char* existingStyle = "stroke=\"#505050\" stroke-dasharray=\"4 3\"";

void WriteMap(const LapPreview& preview, std::ostream& out) {
    const MapFit fit(preview.outline, {margin, margin, width - 2 * margin, mapHeight - 2 * margin});
    const auto world = [&](const PlanePoint& point) { return fit.ToView(point); };
    const auto onTrack = [&](const LinePoint& point) { return fit.ToView(point.position); };
    WritePolyline(out, "left-edge", preview.outline.left, world, "stroke=\"#909090\"");
    WritePolyline(out, "right-edge", preview.outline.right, world, "stroke=\"#909090\"");
    if (!preview.existing.empty())
        WritePolyline(out, "existing-line", preview.existing, onTrack, existingStyle);
    const SpeedScale scale = GetSpeedScale(preview.line);
    out << "<g id=\"line\" stroke-width=\"3\" stroke-linecap=\"round\">\n";
    for (std::size_t i = 0; i + 1 < preview.line.size(); ++i) {
        const PlanePoint a = onTrack(preview.line[i]);
        const PlanePoint b = onTrack(preview.line[i + 1]);
        out << "<line x1=\"" << Number(a.x) << "\" y1=\"" << Number(a.y) << "\" x2=\"" << Number(b.x) << "\" y2=\""
            << Number(b.y) << "\" stroke=\"" << Hex(scale.GetColour(preview.line[i].speed)) << "\"/>\n";
    }
    out << "</g>\n";
}

// A vertical bar, the fastest speed at its top.
void WriteLegend(const LapPreview& preview, std::ostream& out) {
    const SpeedScale scale = GetSpeedScale(preview.line);
    out << "<defs><linearGradient id=\"speed-scale\" x1=\"0\" y1=\"1\" x2=\"0\" y2=\"0\">\n";
    for (const SpeedScale::Stop& stop : SpeedScale::GetStops())
        out << "<stop offset=\"" << stop.position << "\" stop-color=\"" << Hex(stop.colour) << "\"/>\n";
    out << "</linearGradient></defs>\n";
    const double x = width - margin - 16;
    out << "<rect x=\"" << x << "\" y=\"" << margin + 14 << "\" width=\"12\" height=\"150\" fill=\"url(#speed-scale)\"/>\n";
    out << "<text id=\"fastest\" x=\"" << x - 4 << "\" y=\"" << margin + 10
        << "\" text-anchor=\"end\" font-size=\"12\">" << Number(scale.GetFastest()) << " m/s</text>\n";
    out << "<text id=\"slowest\" x=\"" << x - 4 << "\" y=\"" << margin + 178
        << "\" text-anchor=\"end\" font-size=\"12\">" << Number(scale.GetSlowest()) << " m/s</text>\n";
}

void WriteGraph(const LapPreview& preview, double top, const char* name, const char* caption, ValueRange range,
                const std::function<double(const LinePoint&)>& value, std::ostream& out) {
    const ViewRect area{margin + 40, top, width - 2 * margin - 40, graphHeight};
    const GraphFit fit(GetLapEnd(preview), range.low, range.high, area);
    out << "<rect x=\"" << area.left << "\" y=\"" << area.top << "\" width=\"" << area.width << "\" height=\""
        << area.height << "\" fill=\"none\" stroke=\"#c0c0c0\"/>\n";
    out << "<text x=\"" << margin << "\" y=\"" << top - 4 << "\" font-size=\"12\">" << caption << " ("
        << Number(range.low) << " to " << Number(range.high) << ")</text>\n";
    const auto toView = [&](const LinePoint& point) { return fit.ToView(point.longitude, value(point)); };
    if (!preview.existing.empty())
        WritePolyline(out, "existing-" + std::string(name), preview.existing, toView, existingStyle);
    WritePolyline(out, name, preview.line, toView, "stroke=\"#1e3cd0\"");
}

}  // namespace

void WritePreviewSvg(const LapPreview& preview, const std::string& title, std::ostream& out) {
    const double height = mapHeight + 2 * (graphHeight + 2 * margin) + 30;
    WriteSvgStart(out, width, height, title);
    WriteMap(preview, out);
    WriteLegend(preview, out);
    const double speedTop = mapHeight + 2 * margin;
    WriteGraph(preview, speedTop, "speed", "Speed by distance, m/s", GetSpeedRange(preview),
               [](const LinePoint& point) { return point.speed; }, out);
    WriteGraph(preview, speedTop + graphHeight + 2 * margin, "lateral", "Lateral offset by distance, m",
               GetLateralRange(preview), [](const LinePoint& point) { return point.lateral; }, out);
    out << "<text id=\"comparison\" x=\"" << margin << "\" y=\"" << height - 8 << "\" font-size=\"12\">"
        << Escape(preview.comparison) << "</text>\n"
        << "</svg>\n";
}

}  // namespace Linewright
