#pragma once

#include "Linewright/LapPreview.h"

#include <QPointF>
#include <QWidget>

#include <optional>

namespace Linewright::Gui {

// Draws a lap's preview: the track map with the line coloured by speed and its legend, the
// existing LP's line dashed, and below the map the speed and lateral offset by distance. The
// map fits the widget; the mouse wheel zooms about the pointer and dragging pans it.
class LapPreviewWidget : public QWidget {
    Q_OBJECT
public:
    explicit LapPreviewWidget(QWidget* parent = nullptr);

    void SetPreview(LapPreview preview);
    // Shows text in place of a preview (why there is none).
    void SetMessage(const QString& text);
    const std::optional<LapPreview>& GetPreview() const { return preview; }

    // Where a world point lies in the widget as last drawn, zoom and pan included.
    QPointF MapToWidget(PlanePoint world) const;

    QSize sizeHint() const override { return {420, 460}; }
    QSize minimumSizeHint() const override { return {200, 220}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QRectF MapArea() const;
    QRectF GraphArea(int index) const;
    void DrawMap(QPainter& painter) const;
    void DrawLegend(QPainter& painter) const;
    void DrawGraph(QPainter& painter, int index) const;

    std::optional<LapPreview> preview;
    QString message;
    double zoom = 1.0;
    QPointF pan;           // widget pixels, applied after the zoom
    QPointF dragStart;
};

}  // namespace Linewright::Gui
