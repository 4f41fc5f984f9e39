#include "Linewright/GraphFit.h"

namespace Linewright {

GraphFit::GraphFit(double lapEnd, double low, double high, const ViewRect& view)
    : lapEnd(lapEnd > 0.0 ? lapEnd : 1.0), low(low), high(high > low ? high : low + 1.0), view(view) {}

PlanePoint GraphFit::ToView(double longitude, double value) const {
    return {view.left + view.width * longitude / lapEnd, view.top + view.height * (high - value) / (high - low)};
}

}  // namespace Linewright
