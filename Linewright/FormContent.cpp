#include "Linewright/FormContent.h"

#include "Linewright/CLinewrightDoc.h"
#include "Papy/Replays/RpyFile.h"

namespace Linewright {

FormContent FormContent::Read(const CLinewrightDoc& document) {
    const auto rpy = document.GetRpy();
    if (!rpy)
        return {};
    return {ListCompleteLaps(*rpy), rpy->GetTrackName(), SummarizeTrackLps(*document.RequireTrackFactory(), document.GetTrackFile())};
}

}  // namespace Linewright
