#pragma once

#include "Papy/Objects/ThreeDObject.h"

#include <memory>
#include <string>

namespace Tessel::Papy {

class ThreeDObjectAppearance;
class ThreeDObjectGeometry;

// A visible object: a geometry with an appearance.
class ThreeDObjectShape : public ThreeDObject {
public:
    std::string GetTypeName() const override { return "Shape"; }
    virtual const std::string& GetName() const = 0;
    // Empty handles for null references and for nodes of another kind.
    virtual std::shared_ptr<ThreeDObjectGeometry> GetGeometry() const = 0;
    virtual std::shared_ptr<ThreeDObjectAppearance> GetAppearance() const = 0;

protected:
    using ThreeDObject::ThreeDObject;
};

}  // namespace Tessel::Papy
