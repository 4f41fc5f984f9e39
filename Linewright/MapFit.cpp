#include "Linewright/MapFit.h"

#include <algorithm>
#include <limits>

namespace Linewright {

namespace {

struct Bounds {
    PlanePoint low{std::numeric_limits<double>::max(), std::numeric_limits<double>::max()};
    PlanePoint high{std::numeric_limits<double>::lowest(), std::numeric_limits<double>::lowest()};

    void Add(const std::vector<PlanePoint>& points) {
        for (const PlanePoint& point : points) {
            low = {std::min(low.x, point.x), std::min(low.y, point.y)};
            high = {std::max(high.x, point.x), std::max(high.y, point.y)};
        }
    }
};

}  // namespace

MapFit::MapFit(const TrackOutline& outline, const ViewRect& view) {
    viewCentre = {view.left + view.width / 2, view.top + view.height / 2};
    Bounds bounds;
    bounds.Add(outline.left);
    bounds.Add(outline.right);
    if (outline.left.empty())
        return;
    worldCentre = {(bounds.low.x + bounds.high.x) / 2, (bounds.low.y + bounds.high.y) / 2};
    const double width = std::max(bounds.high.x - bounds.low.x, 1.0);
    const double height = std::max(bounds.high.y - bounds.low.y, 1.0);
    scale = std::min(view.width / width, view.height / height);
}

PlanePoint MapFit::ToView(PlanePoint world) const {
    return {viewCentre.x + (world.x - worldCentre.x) * scale, viewCentre.y - (world.y - worldCentre.y) * scale};
}

}  // namespace Linewright
