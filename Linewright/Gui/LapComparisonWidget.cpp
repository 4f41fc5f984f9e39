#include "Linewright/Gui/LapComparisonWidget.h"

#include "Linewright/Gui/GraphFrame.h"
#include "Linewright/MapFit.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace Linewright::Gui {

namespace {

constexpr double graphShare = 0.2;  // of the height, per graph
constexpr double smallestGraph = 80;
constexpr double captionHeight = 16;
constexpr double axisHeight = 16;
constexpr double graphIndent = 40;
constexpr double keyLineHeight = 16;
constexpr int margin = 8;

QColor ColourOf(std::size_t lap) {
    const Rgb rgb = GetLapColour(lap);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QPointF ToPoint(const PlanePoint& point) { return {point.x, point.y}; }

}  // namespace

LapComparisonWidget::LapComparisonWidget(QWidget* parent) : QWidget(parent) {
    setObjectName("comparison-view");
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void LapComparisonWidget::SetComparison(LapComparison shown) {
    comparison = std::move(shown);
    update();
}

void LapComparisonWidget::SetSpeedUnit(const SpeedUnit& shown) {
    unit = shown;
    update();
}

QRectF LapComparisonWidget::MapArea() const {
    const double graphs = std::max(height() * graphShare, smallestGraph) * 2;
    const double key = comparison ? keyLineHeight * static_cast<double>(comparison->laps.size()) + 4 : 0.0;
    return QRectF(margin, margin + key, width() - 2 * margin, height() - graphs - key - 2 * margin).normalized();
}

QRectF LapComparisonWidget::GetKeyArea() const {
    const double lines = comparison ? static_cast<double>(comparison->laps.size()) : 0.0;
    return QRectF(margin, margin, width() - 2 * margin, keyLineHeight * lines);
}

QRectF LapComparisonWidget::GraphArea(int index) const {
    const double graph = std::max(height() * graphShare, smallestGraph);
    const double top = height() - graph * (2 - index);
    return QRectF(margin + graphIndent, top + captionHeight, width() - 2 * margin - graphIndent,
                  graph - captionHeight - axisHeight)
        .normalized();
}

void LapComparisonWidget::paintEvent(QPaintEvent*) {
    if (!comparison)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawKey(painter);
    DrawMap(painter);
    DrawSpeeds(painter);
    DrawDeltas(painter);
}

void LapComparisonWidget::DrawMap(QPainter& painter) const {
    const QRectF area = MapArea();
    const MapFit fit(comparison->outline, ToViewRect(area));
    const auto loop = [&](const auto& points, auto position) {
        QPainterPath path;
        for (const auto& point : points) {
            const QPointF at = ToPoint(fit.ToView(position(point)));
            path.elementCount() == 0 ? path.moveTo(at) : path.lineTo(at);
        }
        path.closeSubpath();
        painter.drawPath(path);
    };
    painter.setPen(QPen(QColor(140, 140, 140), 1.5));
    loop(comparison->outline.left, [](const PlanePoint& point) { return point; });
    loop(comparison->outline.right, [](const PlanePoint& point) { return point; });
    // The first lap last, so the reference stays on top.
    for (std::size_t i = comparison->laps.size(); i-- > 0;) {
        painter.setPen(QPen(ColourOf(i), i == 0 ? 2.5 : 2.0));
        loop(comparison->laps[i].line, [](const LinePoint& point) { return point.position; });
    }
}

void LapComparisonWidget::DrawKey(QPainter& painter) const {
    const QRectF key = GetKeyArea();
    for (std::size_t i = 0; i < comparison->laps.size(); ++i) {
        const double y = key.top() + keyLineHeight * static_cast<double>(i) + keyLineHeight / 2;
        painter.setPen(QPen(ColourOf(i), 3.0));
        painter.drawLine(QPointF(key.left(), y), QPointF(key.left() + 22, y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(key.left() + 28, y - keyLineHeight / 2, key.width() - 28, keyLineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(comparison->laps[i].name));
    }
}

void LapComparisonWidget::DrawSpeeds(QPainter& painter) const {
    const ValueRange speeds = GetSpeedRange(*comparison);
    const GraphFit fit =
        DrawGraphFrame(painter, GraphArea(0), QString("Speed, ") + unit.name, unit.FromMetresPerSecond(speeds.low),
                       unit.FromMetresPerSecond(speeds.high), comparison->trackLength);
    for (std::size_t i = 0; i < comparison->laps.size(); ++i) {
        QPolygonF points;
        for (const LinePoint& point : comparison->laps[i].line)
            points << ToPoint(fit.ToView(point.longitude, unit.FromMetresPerSecond(point.speed)));
        painter.setPen(QPen(ColourOf(i), 1.5));
        painter.drawPolyline(points);
    }
}

void LapComparisonWidget::DrawDeltas(QPainter& painter) const {
    const ValueRange deltas = GetDeltaRange(*comparison);
    const GraphFit fit = DrawGraphFrame(painter, GraphArea(1), "Time against the first lap, s (lost up)", deltas.low,
                                        deltas.high, comparison->trackLength, 2);
    painter.setPen(QPen(QColor(140, 140, 140), 1.0, Qt::DashLine));
    painter.drawLine(ToPoint(fit.ToView(0.0, 0.0)), ToPoint(fit.ToView(comparison->trackLength, 0.0)));
    for (std::size_t i = 0; i < comparison->laps.size(); ++i) {
        QPolygonF points;
        for (const DeltaPoint& point : comparison->laps[i].delta)
            points << ToPoint(fit.ToView(point.distance, point.delta));
        painter.setPen(QPen(ColourOf(i), 1.5));
        painter.drawPolyline(points);
    }
}

}  // namespace Linewright::Gui
