#pragma once

#include "Papy/Objects/ThreeDObject.h"

#include <cstdint>

namespace Tessel::Papy {

// A lateral surface boundary of a track segment: its offset at the segment's start and end
// (metres) and the surface of the band on its right, stored as the surface kind plus one.
class ThreeDObjectFSection : public ThreeDObject {
public:
    std::string GetTypeName() const override { return "FSection"; }
    virtual double GetStartOffset() const = 0;
    virtual double GetEndOffset() const = 0;
    virtual std::uint32_t GetSurface() const = 0;

protected:
    using ThreeDObject::ThreeDObject;
};

}  // namespace Tessel::Papy
