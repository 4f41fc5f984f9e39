#pragma once

#include "Util/Exception.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace Tessel::Papy {

// Part index of a segment's parts (cross sections, surface strips, walls); an index at or
// beyond the count breaks the assertion check.
template <class Part>
std::shared_ptr<Part> TrackPartAt(const std::vector<std::shared_ptr<Part>>& parts, std::uint32_t index) {
    TESSEL_CHECK(index < parts.size());
    return parts[index];
}

}  // namespace Tessel::Papy
