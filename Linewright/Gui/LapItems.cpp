#include "Linewright/Gui/LapItems.h"

#include <cmath>
#include <cstdio>

namespace Linewright::Gui {

std::vector<LapItem> ListCompleteLaps(const Tessel::Papy::RpyFile& rpy) {
    std::vector<LapItem> items;
    for (std::uint32_t t = 0; t < rpy.GetLapTableCount() && t < 255; ++t)
        for (std::uint32_t d = 0; d < rpy.GetDriverCount() && d < 255; ++d)
            for (std::uint32_t l = 0; l < rpy.GetLapCount(t, d) && l < 255; ++l)
                if (rpy.GetLapStatus(t, d, l) == Tessel::Papy::LapStatus::Complete) {
                    const double time = rpy.GetLapTime(t, d, l);
                    const double minutes = std::floor(time / 60.0);
                    char text[64];
                    std::snprintf(text, sizeof text, "%.0fm %.3fs", minutes, time - minutes * 60.0);
                    items.push_back({rpy.GetDriverName(d) + " " + text, (t + 1) << 16 | (d + 1) << 8 | (l + 1)});
                }
    return items;
}

LapIndex DecodeLapItem(std::uint32_t code) {
    return {(code >> 16 & 0xFF) - 1, (code >> 8 & 0xFF) - 1, (code & 0xFF) - 1};
}

}  // namespace Linewright::Gui
