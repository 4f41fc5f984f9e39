#pragma once

#include <cstdint>

namespace Tessel::Papy {

// A surface strip between two lateral boundaries whose offsets vary linearly along the
// segment; offsets in metres, positive to the left.
class TrackFSection {
public:
    virtual ~TrackFSection() = default;

    virtual double GetStartLeft() const = 0;
    virtual double GetEndLeft() const = 0;
    virtual double GetStartRight() const = 0;
    virtual double GetEndRight() const = 0;
    // The surface kind.
    virtual std::int32_t GetType() const = 0;
    // A sub-code whose meaning belongs to the track format.
    virtual std::int32_t GetVariant() const = 0;
};

}  // namespace Tessel::Papy
