#pragma once

#include "Linewright/GraphFit.h"

#include <QRectF>
#include <QString>

class QPainter;

namespace Linewright::Gui {

inline ViewRect ToViewRect(const QRectF& rect) { return {rect.left(), rect.top(), rect.width(), rect.height()}; }

// Draws a graph's frame with its caption above and its range, and below it a distance axis of
// round distances in metres, as many as their labels leave room for; returns the fit of
// distance against value inside the frame.
GraphFit DrawGraphFrame(QPainter& painter, const QRectF& area, const QString& caption, double low, double high,
                        double lapEnd, int decimals = 1);

}  // namespace Linewright::Gui
