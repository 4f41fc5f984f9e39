#include "Linewright/GraphFit.h"

#include <algorithm>
#include <cmath>

namespace Linewright {

namespace {

constexpr double minimumSpan = 1.0;

}  // namespace

GraphFit::GraphFit(double lapEnd, double low, double high, const ViewRect& view)
    : lapEnd(lapEnd > 0.0 ? lapEnd : 1.0), low(low), high(high), view(view) {
    if (high - low < minimumSpan) {
        this->low = (low + high - minimumSpan) / 2;
        this->high = this->low + minimumSpan;
    }
}

PlanePoint GraphFit::ToView(double longitude, double value) const {
    return {view.left + view.width * longitude / lapEnd, view.top + view.height * (high - value) / (high - low)};
}

double GraphFit::ToLongitude(double viewX) const { return (viewX - view.left) / view.width * lapEnd; }

std::vector<double> GraphFit::DistanceTicks(double lapEnd, int most) {
    if (!(lapEnd > 0.0))
        return {0.0};
    const double least = lapEnd / std::max(most - 1, 1);
    double step = std::pow(10.0, std::floor(std::log10(least)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (step * factor >= least) {
            step *= factor;
            break;
        }
    }
    std::vector<double> ticks;
    for (int i = 0; i * step <= lapEnd; ++i)
        ticks.push_back(i * step);
    return ticks;
}

}  // namespace Linewright
