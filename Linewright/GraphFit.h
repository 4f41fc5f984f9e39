#pragma once

#include "Linewright/MapFit.h"

namespace Linewright {

// Places curves over the lap in a view rectangle: longitude across, value up.
class GraphFit {
public:
    // Values from low to high fill the rectangle's height; an empty range is widened by 1.
    GraphFit(double lapEnd, double low, double high, const ViewRect& view);

    PlanePoint ToView(double longitude, double value) const;

private:
    double lapEnd;
    double low;
    double high;
    ViewRect view;
};

}  // namespace Linewright
