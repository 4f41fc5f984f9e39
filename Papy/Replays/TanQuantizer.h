#pragma once

#include <cstdint>

namespace Tessel::Papy {

// Decodes lateral offsets that a replay stores as signed integers on a tangent scale, so that
// the resolution is finest near the centre line. The largest code decodes to the maximum
// magnitude of 300 m. Every step runs in single precision, as the game computes it.
class TanQuantizer {
public:
    // bits: the width of the stored code, its sign bit included when isSigned.
    explicit TanQuantizer(unsigned bits, bool isSigned = true);

    double Decode(std::int32_t code) const;

private:
    float step;   // the arctangent that one code covers
    float scale;  // the maximum magnitude over the tangent of the largest code's arctangent
};

}  // namespace Tessel::Papy
