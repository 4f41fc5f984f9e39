#include "Papy/Tracks/Ptf/PtfSegmentGeometry.h"

#include "Util/Exception.h"

#include <cmath>
#include <numbers>

namespace Tessel::Papy {

namespace {

constexpr double Pi = std::numbers::pi;
// How far apart the centres found from either end of an arc may lie, in metres.
constexpr double CentreTolerance = 0.001;

// Adds a full turn to the smaller of two angles more than half a turn apart, so that the way
// from one to the other is the short one.
void Unwrap(double& a, double& b) {
    if (std::fabs(b - a) <= Pi)
        return;
    (a < b ? a : b) += 2.0 * Pi;
}

}  // namespace

PtfSegmentGeometry::PtfSegmentGeometry(bool isArc, double startX, double startY, double startHeading, double endX,
                                       double endY, double endHeading)
    : isArc(isArc),
      startX(startX),
      startY(startY),
      startHeading(startHeading),
      endX(endX),
      endY(endY),
      endHeading(endHeading),
      arc(isArc ? ComputeArc(startX, startY, startHeading, endX, endY, endHeading) : Arc{}),
      length(isArc ? std::fabs(arc.radius * arc.angle) : std::hypot(endX - startX, endY - startY)) {}

// The centre lies on the left normals of both ends; u and v are the distances along them.
PtfSegmentGeometry::Arc PtfSegmentGeometry::ComputeArc(double startX, double startY, double startHeading,
                                                       double endX, double endY, double endHeading) {
    double a0 = Pi / 2.0 + startHeading;
    double a1 = Pi / 2.0 + endHeading;
    const double denominator = std::sin(a0) * std::cos(a1) - std::cos(a0) * std::sin(a1);
    if (denominator == 0.0)
        Util::AssertionFailed("denominator1 != 0.0", __FILE__, __LINE__);
    const double u = ((startX - endX) * std::sin(a1) + (endY - startY) * std::cos(a1)) / denominator;
    const double v = ((endX - startX) * std::sin(a0) + (startY - endY) * std::cos(a0)) / -denominator;
    Arc arc;
    arc.centreX = startX + u * std::cos(a0);
    arc.centreY = startY + u * std::sin(a0);
    // Written so that a NaN fails the checks too.
    if (!(std::fabs(arc.centreX - (endX + v * std::cos(a1))) < CentreTolerance))
        Util::AssertionFailed("fabs(centre_x1 - centre_x2) < 0.001", __FILE__, __LINE__);
    if (!(std::fabs(arc.centreY - (endY + v * std::sin(a1))) < CentreTolerance))
        Util::AssertionFailed("fabs(centre_y1 - centre_y2) < 0.001", __FILE__, __LINE__);
    arc.radius = std::fabs(u);
    Unwrap(a0, a1);
    arc.angle = a1 - a0;
    return arc;
}

double PtfSegmentGeometry::GetHeading(double t) const {
    if (t == 0.0)
        return startHeading;
    if (t == 1.0)
        return endHeading;
    double start = startHeading;
    double end = endHeading;
    Unwrap(start, end);
    const double heading = end * t + (1.0 - t) * start;
    return heading > 2.0 * Pi ? heading - 2.0 * Pi : heading;
}

void PtfSegmentGeometry::GetPosition(double t, double lateral, double heading, double& x, double& y) const {
    if (!isArc) {
        x = std::cos(Pi / 2.0 + heading) * lateral + (t * endX + (1.0 - t) * startX);
        y = std::sin(Pi / 2.0 + heading) * lateral + (t * endY + (1.0 - t) * startY);
        return;
    }
    // The point lies on the circle through the reference point, nearer the centre on the
    // inside of the turn.
    const bool leftTurn = arc.angle > 0.0;
    const double radius = leftTurn ? arc.radius - lateral : arc.radius + lateral;
    const double direction = leftTurn ? heading - Pi / 2.0 : heading + Pi / 2.0;
    x = std::cos(direction) * radius + arc.centreX;
    y = std::sin(direction) * radius + arc.centreY;
}

}  // namespace Tessel::Papy
