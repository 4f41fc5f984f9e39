#include "Papy/Replays/TanQuantizer.h"

#include <cmath>

namespace Tessel::Papy {

namespace {

constexpr float maximumMagnitude = 300.0f;
constexpr float shape = 512.0f;

}  // namespace

TanQuantizer::TanQuantizer(unsigned bits, bool isSigned) {
    const unsigned magnitudeBits = isSigned ? bits - 1 : bits;
    const float largestCode = std::ldexp(1.0f, static_cast<int>(magnitudeBits)) - 1.0f;
    const float a = std::sqrt(shape);
    const float b = std::atan(1.0f / a);
    const float c = std::tan(b);
    step = b / largestCode;
    scale = maximumMagnitude / c;
}

double TanQuantizer::Decode(std::int32_t code) const {
    const float angle = step * static_cast<float>(code);
    const float tangent = static_cast<float>(std::tan(static_cast<double>(angle)));
    return tangent * scale;
}

}  // namespace Tessel::Papy
