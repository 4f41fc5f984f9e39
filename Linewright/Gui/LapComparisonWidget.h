#pragma once

#include "Linewright/LapComparison.h"
#include "Linewright/SpeedUnit.h"

#include <QWidget>

#include <optional>

namespace Linewright::Gui {

// Draws laps side by side: each lap's line on the track map in its own colour with a key naming
// driver and lap beside the map, below it each lap's speed by distance and, under that, the time
// each lost (up) or gained (down) against the first lap.
class LapComparisonWidget : public QWidget {
    Q_OBJECT
public:
    explicit LapComparisonWidget(QWidget* parent = nullptr);

    void SetComparison(LapComparison comparison);
    const std::optional<LapComparison>& GetComparison() const { return comparison; }
    void SetSpeedUnit(const SpeedUnit& unit);
    // Where the key is drawn.
    QRectF GetKeyArea() const;

    QSize sizeHint() const override { return {420, 460}; }
    QSize minimumSizeHint() const override { return {240, 260}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF MapArea() const;
    QRectF GraphArea(int index) const;
    void DrawMap(QPainter& painter) const;
    void DrawKey(QPainter& painter) const;
    void DrawSpeeds(QPainter& painter) const;
    void DrawDeltas(QPainter& painter) const;

    std::optional<LapComparison> comparison;
    SpeedUnit unit = kilometresPerHour;
};

}  // namespace Linewright::Gui
