#include "Linewright/Gui/LapPreviewWidget.h"

#include "Linewright/GraphFit.h"
#include "Linewright/Gui/GraphFrame.h"
#include "Linewright/MapFit.h"
#include "Linewright/SpeedScale.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace Linewright::Gui {

namespace {

enum Graph { SpeedGraph, LateralGraph };
constexpr int graphCount = 2;
constexpr double graphShare = 0.17;  // of the height, per graph
constexpr double smallestGraph = 72;
constexpr double captionHeight = 16;
constexpr double axisHeight = 16;
constexpr double graphIndent = 40;   // room for the values' captions on the left
constexpr double legendWidth = 100;  // the strip beside the map that the track never enters
constexpr double hoverReach = 30;    // pixels from the line within which the map is hovered
constexpr int margin = 8;
const QColor edgeColour(140, 140, 140);
const QColor existingColour(80, 80, 80);
const QColor graphColour(30, 60, 208);

QColor ToColor(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

QPointF ToPoint(const PlanePoint& point) { return {point.x, point.y}; }

// One scale for the line's colours, the legend and the speed graph, over both lines.
SpeedScale ScaleOf(const LapPreview& preview) {
    const ValueRange speeds = GetSpeedRange(preview);
    return SpeedScale(speeds.low, speeds.high);
}

}  // namespace

LapPreviewWidget::LapPreviewWidget(QWidget* parent) : QWidget(parent) {
    setObjectName("preview");
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMouseTracking(true);
}

void LapPreviewWidget::SetPreview(LapPreview shown) {
    preview = std::move(shown);
    message.clear();
    hovered.reset();
    update();
}

void LapPreviewWidget::SetMessage(const QString& text) {
    preview.reset();
    message = text;
    hovered.reset();
    update();
}

void LapPreviewWidget::SetSpeedUnit(const SpeedUnit& shown) {
    unit = shown;
    update();
}

QRectF LapPreviewWidget::MapArea() const {
    const double graphs = std::max(height() * graphShare, smallestGraph) * graphCount;
    return QRectF(margin, margin, width() - 2 * margin, height() - graphs - 2 * margin).normalized();
}

QRectF LapPreviewWidget::FitArea() const {
    return MapArea().adjusted(0, 0, -std::min(legendWidth + 4, MapArea().width() / 2), 0);
}

QRectF LapPreviewWidget::GetLegendArea() const {
    const QRectF map = MapArea();
    return QRectF(FitArea().right() + 4, map.top(), map.right() - FitArea().right() - 4, map.height());
}

QRectF LapPreviewWidget::GraphArea(int index) const {
    const double graph = std::max(height() * graphShare, smallestGraph);
    const double top = height() - graph * (graphCount - index);
    return QRectF(margin + graphIndent, top + captionHeight, width() - 2 * margin - graphIndent,
                  graph - captionHeight - axisHeight)
        .normalized();
}

MapFit LapPreviewWidget::FitNow() const {
    return MapFit(preview ? preview->outline : TrackOutline{}, ToViewRect(FitArea()));
}

QPointF LapPreviewWidget::Place(const MapFit& fit, PlanePoint world) const {
    const QPointF centre = FitArea().center();
    return centre + (ToPoint(fit.ToView(world)) - centre) * zoom + pan;
}

QPointF LapPreviewWidget::MapToWidget(PlanePoint world) const { return Place(FitNow(), world); }

void LapPreviewWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!preview) {
        painter.drawText(rect().adjusted(margin, margin, -margin, -margin), Qt::AlignCenter | Qt::TextWordWrap, message);
        return;
    }
    painter.save();
    painter.setClipRect(MapArea());
    DrawMap(painter);
    painter.restore();
    DrawLegend(painter);
    for (int index = 0; index < graphCount; ++index)
        DrawGraph(painter, index);
    DrawHover(painter);
}

void LapPreviewWidget::DrawMap(QPainter& painter) const {
    const MapFit fit = FitNow();
    // Every line is a loop: the last point joins the first across the start line.
    const auto loop = [&](const auto& points, auto position) {
        QPainterPath path;
        for (const auto& point : points) {
            const QPointF at = Place(fit, position(point));
            path.elementCount() == 0 ? path.moveTo(at) : path.lineTo(at);
        }
        path.closeSubpath();
        painter.drawPath(path);
    };
    const auto world = [](const PlanePoint& point) { return point; };
    const auto onTrack = [](const LinePoint& point) { return point.position; };
    painter.setPen(QPen(edgeColour, 1.5));
    loop(preview->outline.left, world);
    loop(preview->outline.right, world);
    if (!preview->existing.empty()) {
        painter.setPen(QPen(existingColour, 1.5, Qt::DashLine));
        loop(preview->existing, onTrack);
    }
    const SpeedScale scale = ScaleOf(*preview);
    const auto& line = preview->line;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const LinePoint& next = line[(i + 1) % line.size()];
        painter.setPen(QPen(ToColor(scale.GetColour(line[i].speed)), 3.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(Place(fit, line[i].position), Place(fit, next.position));
    }
}

// A vertical bar in the strip beside the map, the fastest speed at its top; below it the key of
// the existing LP's dashed line.
void LapPreviewWidget::DrawLegend(QPainter& painter) const {
    const QRectF strip = GetLegendArea();
    const SpeedScale scale = ScaleOf(*preview);
    const QRectF bar(strip.right() - 12, strip.top() + 16, 10, std::min(120.0, strip.height() / 2));
    QLinearGradient gradient(bar.bottomLeft(), bar.topLeft());
    for (const SpeedScale::Stop& stop : SpeedScale::GetStops())
        gradient.setColorAt(stop.position, ToColor(stop.colour));
    painter.fillRect(bar, gradient);
    painter.setPen(Qt::black);
    const QRectF labels(strip.left(), bar.top() - 14, bar.left() - 4 - strip.left(), bar.height() + 28);
    const auto speedText = [&](double speed) {
        return QString::number(unit.FromMetresPerSecond(speed), 'f', 0) + " " + unit.name;
    };
    painter.drawText(labels, Qt::AlignRight | Qt::AlignTop, speedText(scale.GetFastest()));
    painter.drawText(labels, Qt::AlignRight | Qt::AlignBottom, speedText(scale.GetSlowest()));
    if (preview->existing.empty())
        return;
    const double keyY = labels.bottom() + 14;
    painter.setPen(QPen(existingColour, 1.5, Qt::DashLine));
    painter.drawLine(QPointF(strip.left() + 2, keyY), QPointF(strip.left() + 22, keyY));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(strip.left() + 26, keyY - 8, strip.width() - 26, 16), Qt::AlignLeft | Qt::AlignVCenter,
                     "existing LP");
}

namespace {

struct Curve {
    QString caption;
    ValueRange range;
    double (*value)(const LinePoint&, const SpeedUnit&);
};

Curve CurveOf(int index, const LapPreview& preview, const SpeedUnit& unit) {
    if (index == SpeedGraph) {
        const SpeedScale scale = ScaleOf(preview);
        return {QString("Speed, ") + unit.name,
                {unit.FromMetresPerSecond(scale.GetSlowest()), unit.FromMetresPerSecond(scale.GetFastest())},
                [](const LinePoint& p, const SpeedUnit& u) { return u.FromMetresPerSecond(p.speed); }};
    }
    return {"Lateral offset, m", GetLateralRange(preview), [](const LinePoint& p, const SpeedUnit&) { return p.lateral; }};
}

}  // namespace

void LapPreviewWidget::DrawGraph(QPainter& painter, int index) const {
    const Curve curve = CurveOf(index, *preview, unit);
    const GraphFit fit =
        DrawGraphFrame(painter, GraphArea(index), curve.caption, curve.range.low, curve.range.high, GetLapEnd(*preview));
    const auto draw = [&](const std::vector<LinePoint>& line, const QPen& pen) {
        QPolygonF points;
        for (const LinePoint& point : line)
            points << ToPoint(fit.ToView(point.longitude, curve.value(point, unit)));
        painter.setPen(pen);
        painter.drawPolyline(points);
    };
    draw(preview->existing, QPen(existingColour, 1.0, Qt::DashLine));
    draw(preview->line, QPen(graphColour, 1.5));
}

QString LapPreviewWidget::GetHoverText() const {
    if (!preview || !hovered)
        return {};
    const LinePoint& point = preview->line[*hovered];
    return QString("%1 m, %2 %3, offset %4 m")
        .arg(point.longitude, 0, 'f', 0)
        .arg(unit.FromMetresPerSecond(point.speed), 0, 'f', 1)
        .arg(unit.name)
        .arg(point.lateral, 0, 'f', 2);
}

// A ring on the map and a rule across the graphs at the hovered record, and what it holds.
void LapPreviewWidget::DrawHover(QPainter& painter) const {
    if (!hovered)
        return;
    const LinePoint& point = preview->line[*hovered];
    painter.setPen(QPen(Qt::black, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(MapToWidget(point.position), 6.0, 6.0);
    painter.setPen(QPen(Qt::black, 1.0, Qt::DotLine));
    for (int index = 0; index < graphCount; ++index) {
        const QRectF area = GraphArea(index);
        const double x = GraphFit(GetLapEnd(*preview), 0.0, 1.0, ToViewRect(area)).ToView(point.longitude, 0.0).x;
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }
    const QString text = GetHoverText();
    const QFontMetricsF metrics(painter.font());
    const QRectF box(MapArea().topLeft() + QPointF(2, 2), QSizeF(metrics.horizontalAdvance(text) + 8, metrics.height() + 4));
    painter.fillRect(box, QColor(255, 255, 255, 220));
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, text);
}

std::optional<std::size_t> LapPreviewWidget::FindHovered(QPointF pointer) const {
    if (!preview || preview->line.empty())
        return std::nullopt;
    const auto& line = preview->line;
    const auto nearest = [&](auto distance) {
        std::size_t best = 0;
        for (std::size_t i = 1; i < line.size(); ++i)
            if (distance(line[i]) < distance(line[best]))
                best = i;
        return best;
    };
    for (int index = 0; index < graphCount; ++index) {
        const QRectF area = GraphArea(index);
        if (area.adjusted(0, -captionHeight, 0, axisHeight).contains(pointer)) {
            const double longitude = GraphFit(GetLapEnd(*preview), 0.0, 1.0, ToViewRect(area)).ToLongitude(pointer.x());
            return nearest([&](const LinePoint& point) { return std::abs(point.longitude - longitude); });
        }
    }
    if (!MapArea().contains(pointer))
        return std::nullopt;
    const MapFit fit = FitNow();
    const auto away = [&](const LinePoint& point) { return QLineF(Place(fit, point.position), pointer).length(); };
    const std::size_t best = nearest(away);
    return away(line[best]) <= hoverReach ? std::optional(best) : std::nullopt;
}

void LapPreviewWidget::wheelEvent(QWheelEvent* event) {
    const double factor = event->angleDelta().y() > 0 ? 1.25 : 0.8;
    // The world point under the pointer stays under it.
    const QPointF centre = FitArea().center();
    const QPointF pointer = event->position();
    pan = pointer - (pointer - centre - pan) * factor - centre;
    zoom *= factor;
    update();
}

void LapPreviewWidget::mousePressEvent(QMouseEvent* event) { dragStart = event->position() - pan; }

void LapPreviewWidget::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton)
        pan = event->position() - dragStart;
    else
        hovered = FindHovered(event->position());
    update();
}

// A double click fits the whole track again.
void LapPreviewWidget::mouseDoubleClickEvent(QMouseEvent*) {
    zoom = 1.0;
    pan = {};
    update();
}

void LapPreviewWidget::leaveEvent(QEvent*) {
    hovered.reset();
    update();
}

}  // namespace Linewright::Gui
