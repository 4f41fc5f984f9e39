#pragma once

#include "Linewright/LapPreview.h"
#include "Linewright/MapFit.h"
#include "Linewright/SpeedUnit.h"

#include <QPointF>
#include <QWidget>

#include <optional>

namespace Linewright::Gui {

// Draws a lap's preview: the track map with the closed line coloured by speed, its legend and
// the key of the existing LP's dashed line beside the map, never over the track; below the map
// the speed and lateral offset by distance, with a distance axis in metres. The map fits the
// widget; the mouse wheel zooms about the pointer, dragging pans it, a double click fits it
// again. Hovering the map or a graph marks the nearest record on every view and tells its
// distance, speed and offset.
class LapPreviewWidget : public QWidget {
    Q_OBJECT
public:
    explicit LapPreviewWidget(QWidget* parent = nullptr);

    void SetPreview(LapPreview preview);
    // Shows text in place of a preview (why there is none).
    void SetMessage(const QString& text);
    const std::optional<LapPreview>& GetPreview() const { return preview; }
    void SetSpeedUnit(const SpeedUnit& unit);

    // Where a world point lies in the widget as last drawn, zoom and pan included.
    QPointF MapToWidget(PlanePoint world) const;
    // Where the speed legend and the key are drawn.
    QRectF GetLegendArea() const;
    // The record of the new line under the pointer, and what is told of it.
    std::optional<std::size_t> GetHovered() const { return hovered; }
    QString GetHoverText() const;

    QSize sizeHint() const override { return {420, 460}; }
    QSize minimumSizeHint() const override { return {240, 260}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QRectF MapArea() const;
    // The map without the legend's strip: what the track is fitted into.
    QRectF FitArea() const;
    QRectF GraphArea(int index) const;
    // The track fitted into FitArea, and a world point placed by it with the zoom and pan.
    MapFit FitNow() const;
    QPointF Place(const MapFit& fit, PlanePoint world) const;
    void DrawMap(QPainter& painter) const;
    void DrawLegend(QPainter& painter) const;
    void DrawGraph(QPainter& painter, int index) const;
    void DrawHover(QPainter& painter) const;
    std::optional<std::size_t> FindHovered(QPointF pointer) const;

    std::optional<LapPreview> preview;
    QString message;
    SpeedUnit unit = kilometresPerHour;
    double zoom = 1.0;
    QPointF pan;           // widget pixels, applied after the zoom
    QPointF dragStart;
    std::optional<std::size_t> hovered;
};

}  // namespace Linewright::Gui
