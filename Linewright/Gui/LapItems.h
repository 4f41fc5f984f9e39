#pragma once

// Stand-in for the shared lap list until it is merged.
#include "Papy/RpyFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Linewright::Gui {

struct LapItem {
    std::string text;
    std::uint32_t code;
};

struct LapIndex {
    std::uint32_t table, driver, lap;
};

std::vector<LapItem> ListCompleteLaps(const Tessel::Papy::RpyFile& rpy);
LapIndex DecodeLapItem(std::uint32_t code);

}  // namespace Linewright::Gui
