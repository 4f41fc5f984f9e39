#include "Linewright/GraphFit.h"

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

}  // namespace Linewright
