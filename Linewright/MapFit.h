#pragma once

#include "Linewright/LapPreview.h"

namespace Linewright {

// A rectangle of a view (x to the right, y downwards), in the view's own units.
struct ViewRect {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;
};

// Places the track in a view rectangle: the outline's bounds scaled alike in both directions to
// fit inside it, centred, with world y pointing up the view.
class MapFit {
public:
    MapFit(const TrackOutline& outline, const ViewRect& view);

    PlanePoint ToView(PlanePoint world) const;

private:
    double scale = 1.0;
    PlanePoint worldCentre;
    PlanePoint viewCentre;
};

}  // namespace Linewright
