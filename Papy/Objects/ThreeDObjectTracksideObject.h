#pragma once

#include "Papy/Objects/ThreeDObject.h"

#include <string>

namespace Tessel::Papy {

// An object that stands beside the track, named with the file of its 3D model.
class ThreeDObjectTracksideObject : public ThreeDObject {
public:
    std::string GetTypeName() const override { return "TracksideObject"; }
    virtual const std::string& GetName() const = 0;
    virtual const std::string& GetFileName() const = 0;

protected:
    using ThreeDObject::ThreeDObject;
};

}  // namespace Tessel::Papy
