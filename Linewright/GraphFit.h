#pragma once

#include "Linewright/MapFit.h"

#include <vector>

namespace Linewright {

// Places curves over the lap in a view rectangle: longitude across, value up.
class GraphFit {
public:
    // Values from low to high fill the rectangle's height; a range narrower than 1 is widened
    // about its middle to 1, so that rounding noise stays flat.
    GraphFit(double lapEnd, double low, double high, const ViewRect& view);

    PlanePoint ToView(double longitude, double value) const;
    // The longitude at a view x, the inverse of ToView's x.
    double ToLongitude(double viewX) const;

    // Round distances from 0 to lapEnd for an axis, a step of 1, 2 or 5 times a power of ten
    // apart, as many as fit without passing most (at least 1).
    static std::vector<double> DistanceTicks(double lapEnd, int most);

private:
    double lapEnd;
    double low;
    double high;
    ViewRect view;
};

}  // namespace Linewright
