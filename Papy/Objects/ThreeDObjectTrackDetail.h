#pragma once

#include "Papy/Objects/ThreeDObject.h"

#include <array>
#include <memory>

namespace Tessel::Papy {

// A detail of a track: a referenced node, five values and four points, carried as read.
class ThreeDObjectTrackDetail : public ThreeDObject {
public:
    std::string GetTypeName() const override { return "TrackDetail"; }
    virtual std::shared_ptr<ThreeDObject> GetObject() const = 0;
    virtual const std::array<double, 4>& GetXs() const = 0;
    virtual const std::array<double, 4>& GetYs() const = 0;

protected:
    using ThreeDObject::ThreeDObject;
};

}  // namespace Tessel::Papy
