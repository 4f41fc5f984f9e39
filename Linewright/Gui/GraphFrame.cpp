#include "Linewright/Gui/GraphFrame.h"

#include <QPainter>

namespace Linewright::Gui {

GraphFit DrawGraphFrame(QPainter& painter, const QRectF& area, const QString& caption, double low, double high,
                        double lapEnd, int decimals) {
    const GraphFit fit(lapEnd, low, high, ToViewRect(area));
    painter.setPen(QColor(190, 190, 190));
    painter.drawRect(area);
    painter.setPen(Qt::black);
    const double captionLeft = std::max(0.0, area.left() - 40);
    painter.drawText(QPointF(captionLeft, area.top() - 4),
                     QString("%1 (%2 to %3)").arg(caption).arg(low, 0, 'f', decimals).arg(high, 0, 'f', decimals));
    for (const double distance : GraphFit::DistanceTicks(lapEnd, static_cast<int>(area.width() / 60))) {
        const double x = fit.ToView(distance, 0.0).x;
        painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + 3));
        painter.drawText(QRectF(x - 35, area.bottom() + 2, 70, 14), Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(distance, 'f', 0) + " m");
    }
    return fit;
}

}  // namespace Linewright::Gui
