#include "Linewright/Gui/LapPreviewWidget.h"

#include "Linewright/GraphFit.h"
#include "Linewright/MapFit.h"
#include "Linewright/SpeedScale.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <functional>

namespace Linewright::Gui {

namespace {

constexpr int graphCount = 2;
constexpr double graphShare = 0.16;  // of the height, per graph
constexpr int margin = 8;
const QColor edgeColour(140, 140, 140);
const QColor existingColour(80, 80, 80);

QColor ToColor(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

ViewRect ToViewRect(const QRectF& rect) { return {rect.left(), rect.top(), rect.width(), rect.height()}; }

QPointF ToPoint(const PlanePoint& point) { return {point.x, point.y}; }

struct Curve {
    const char* caption;
    ValueRange (*range)(const LapPreview&);
    double (*value)(const LinePoint&);
};

const Curve curves[graphCount] = {
    {"Speed, m/s", GetSpeedRange, [](const LinePoint& p) { return p.speed; }},
    {"Lateral offset, m", GetLateralRange, [](const LinePoint& p) { return p.lateral; }}};

}  // namespace

LapPreviewWidget::LapPreviewWidget(QWidget* parent) : QWidget(parent) {
    setObjectName("preview");
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void LapPreviewWidget::SetPreview(LapPreview shown) {
    preview = std::move(shown);
    message.clear();
    update();
}

void LapPreviewWidget::SetMessage(const QString& text) {
    preview.reset();
    message = text;
    update();
}

QRectF LapPreviewWidget::MapArea() const {
    const double graphs = height() * graphShare * graphCount;
    return QRectF(margin, margin, width() - 2 * margin, height() - graphs - 2 * margin).normalized();
}

QRectF LapPreviewWidget::GraphArea(int index) const {
    const double graph = height() * graphShare;
    const double top = height() - graph * (graphCount - index);
    return QRectF(margin + 40, top + 14, width() - 2 * margin - 40, graph - 18).normalized();
}

QPointF LapPreviewWidget::MapToWidget(PlanePoint world) const {
    const MapFit fit(preview ? preview->outline : TrackOutline{}, ToViewRect(MapArea()));
    const QPointF centre = MapArea().center();
    return centre + (ToPoint(fit.ToView(world)) - centre) * zoom + pan;
}

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
}

void LapPreviewWidget::DrawMap(QPainter& painter) const {
    const auto polyline = [&](const auto& points, auto position) {
        QPainterPath path;
        for (const auto& point : points) {
            const QPointF at = MapToWidget(position(point));
            path.elementCount() == 0 ? path.moveTo(at) : path.lineTo(at);
        }
        painter.drawPath(path);
    };
    const auto world = [](const PlanePoint& point) { return point; };
    const auto onTrack = [](const LinePoint& point) { return point.position; };
    painter.setPen(QPen(edgeColour, 1.5));
    polyline(preview->outline.left, world);
    polyline(preview->outline.right, world);
    if (!preview->existing.empty()) {
        painter.setPen(QPen(existingColour, 1.5, Qt::DashLine));
        polyline(preview->existing, onTrack);
    }
    const SpeedScale scale = GetSpeedScale(preview->line);
    for (std::size_t i = 0; i + 1 < preview->line.size(); ++i) {
        painter.setPen(QPen(ToColor(scale.GetColour(preview->line[i].speed)), 3.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(MapToWidget(preview->line[i].position), MapToWidget(preview->line[i + 1].position));
    }
}

// A vertical bar in the map's top right corner, the fastest speed at its top.
void LapPreviewWidget::DrawLegend(QPainter& painter) const {
    const SpeedScale scale = GetSpeedScale(preview->line);
    const QRectF bar(MapArea().right() - 14, MapArea().top() + 16, 10, std::min(120.0, MapArea().height() / 2));
    QLinearGradient gradient(bar.bottomLeft(), bar.topLeft());
    for (const SpeedScale::Stop& stop : SpeedScale::GetStops())
        gradient.setColorAt(stop.position, ToColor(stop.colour));
    painter.fillRect(bar, gradient);
    painter.setPen(Qt::black);
    const QRectF labels(bar.left() - 104, bar.top() - 14, 100, bar.height() + 28);
    painter.drawText(labels, Qt::AlignRight | Qt::AlignTop, QString::number(scale.GetFastest(), 'f', 1) + " m/s");
    painter.drawText(labels, Qt::AlignRight | Qt::AlignBottom, QString::number(scale.GetSlowest(), 'f', 1) + " m/s");
}

void LapPreviewWidget::DrawGraph(QPainter& painter, int index) const {
    const Curve& curve = curves[index];
    const QRectF area = GraphArea(index);
    const ValueRange range = curve.range(*preview);
    const GraphFit fit(GetLapEnd(*preview), range.low, range.high, ToViewRect(area));
    painter.setPen(QColor(190, 190, 190));
    painter.drawRect(area);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(margin, area.top() - 3),
                     QString("%1 (%2 to %3)").arg(curve.caption).arg(range.low, 0, 'f', 1).arg(range.high, 0, 'f', 1));
    const auto draw = [&](const std::vector<LinePoint>& line, const QPen& pen) {
        QPolygonF points;
        for (const LinePoint& point : line)
            points << ToPoint(fit.ToView(point.longitude, curve.value(point)));
        painter.setPen(pen);
        painter.drawPolyline(points);
    };
    draw(preview->existing, QPen(existingColour, 1.0, Qt::DashLine));
    draw(preview->line, QPen(QColor(30, 60, 208), 1.5));
}

void LapPreviewWidget::wheelEvent(QWheelEvent* event) {
    const double factor = event->angleDelta().y() > 0 ? 1.25 : 0.8;
    // The world point under the pointer stays under it.
    const QPointF centre = MapArea().center();
    const QPointF pointer = event->position();
    pan = pointer - (pointer - centre - pan) * factor - centre;
    zoom *= factor;
    update();
}

void LapPreviewWidget::mousePressEvent(QMouseEvent* event) { dragStart = event->position() - pan; }

void LapPreviewWidget::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        pan = event->position() - dragStart;
        update();
    }
}

// A double click fits the whole track again.
void LapPreviewWidget::mouseDoubleClickEvent(QMouseEvent*) {
    zoom = 1.0;
    pan = {};
    update();
}

}  // namespace Linewright::Gui
