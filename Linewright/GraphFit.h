#pragma once

#include "Linewright/MapFit.h"

namespace Linewright {

// Places curves over the lap in a view rectangle: longitude across, value up.
class GraphFit {
public:
    // Values from low to high fill the rectangle's height; a range narrower than 1 is widened
    // about its middle to 1, so that rounding noise stays flat.
    GraphFit(double lapEnd, double low, double high, const ViewRect& view);

    PlanePoint ToView(double longitude, double value) const;

private:
    double lapEnd;
    double low;
    double high;
    ViewRect view;
};

}  // namespace Linewright
