#pragma once

namespace Tessel::Papy {

// The reference line of one PTF track segment (a straight or a circular arc), worked out in
// doubles from its end points and end headings, in metres and radians. The fraction t runs from
// 0 at the segment start to 1 at its end.
class PtfSegmentGeometry {
public:
    struct Arc {
        double centreX = 0.0;
        double centreY = 0.0;
        double radius = 0.0;  // never negative
        double angle = 0.0;   // positive for a left turn
    };

    // An arc is checked here: parallel end headings break the assertion "denominator1 != 0.0",
    // end points that do not lie on one circle within 1 mm break
    // "fabs(centre_x1 - centre_x2) < 0.001" or "fabs(centre_y1 - centre_y2) < 0.001".
    PtfSegmentGeometry(bool isArc, double startX, double startY, double startHeading, double endX, double endY,
                       double endHeading);

    bool IsArc() const { return isArc; }
    // The horizontal length: the chord of a straight, |radius × angle| of an arc.
    double GetLength() const { return length; }
    // Meaningful for arcs only (all zero for a straight).
    const Arc& GetArc() const { return arc; }

    // The heading at fraction t, interpolated the short way round (through 0 when the end
    // headings lie either side of it); exactly the end headings at t = 0 and t = 1.
    double GetHeading(double t) const;
    // The point at fraction t and lateral offset (positive to the left), with heading the
    // heading there.
    void GetPosition(double t, double lateral, double heading, double& x, double& y) const;

private:
    static Arc ComputeArc(double startX, double startY, double startHeading, double endX, double endY,
                          double endHeading);

    bool isArc;
    double startX, startY, startHeading;
    double endX, endY, endHeading;
    Arc arc;
    double length;
};

}  // namespace Tessel::Papy
