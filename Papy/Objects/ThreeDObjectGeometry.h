#pragma once

#include "Papy/Objects/ThreeDObject.h"

#include <memory>

namespace Tessel::Papy {

class ThreeDObjectTriangles;
class ThreeDObjectVertices;

// A mesh: a triangle list over a vertex list.
class ThreeDObjectGeometry : public ThreeDObject {
public:
    std::string GetTypeName() const override { return "Geometry"; }
    // Empty handles for null references and for nodes of another kind.
    virtual std::shared_ptr<ThreeDObjectTriangles> GetTriangles() const = 0;
    virtual std::shared_ptr<ThreeDObjectVertices> GetVertices() const = 0;

protected:
    using ThreeDObject::ThreeDObject;
};

}  // namespace Tessel::Papy
