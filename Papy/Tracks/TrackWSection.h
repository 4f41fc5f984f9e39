#pragma once

#include <cstdint>

namespace Tessel::Papy {

// A wall along a segment; offsets, heights and widths in metres.
class TrackWSection {
public:
    virtual ~TrackWSection() = default;

    // Lateral offset of the wall's centre at the segment start and end.
    virtual double GetStartOffset() const = 0;
    virtual double GetEndOffset() const = 0;
    virtual double GetStartHeight() const = 0;
    virtual double GetEndHeight() const = 0;
    virtual double GetStartWidth() const = 0;
    virtual double GetEndWidth() const = 0;
    // The wall kind.
    virtual std::int32_t GetType() const = 0;
};

}  // namespace Tessel::Papy
