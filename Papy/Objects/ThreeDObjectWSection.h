#pragma once

#include "Papy/Objects/ThreeDObject.h"

#include <cstdint>

namespace Tessel::Papy {

// A wall of a track segment: lateral offsets, heights and widths at the segment's start and
// end (metres), and the wall's type.
class ThreeDObjectWSection : public ThreeDObject {
public:
    std::string GetTypeName() const override { return "WSection"; }
    virtual double GetStartOffset() const = 0;
    virtual double GetEndOffset() const = 0;
    virtual double GetStartHeight() const = 0;
    virtual double GetEndHeight() const = 0;
    virtual double GetStartWidth() const = 0;
    virtual double GetEndWidth() const = 0;
    virtual std::uint32_t GetWallType() const = 0;
    // 0 or 1.
    virtual std::uint32_t GetDirection() const = 0;

protected:
    using ThreeDObject::ThreeDObject;
};

}  // namespace Tessel::Papy
