#pragma once

#include "Papy/Objects/ThreeDObject.h"

#include <cstdint>
#include <vector>

namespace Tessel::Papy {

// A list of triangles as vertex indices, three per triangle.
class ThreeDObjectTriangles : public ThreeDObject {
public:
    std::string GetTypeName() const override { return "Triangles"; }
    virtual const std::vector<std::uint32_t>& GetIndices() const = 0;

protected:
    using ThreeDObject::ThreeDObject;
};

}  // namespace Tessel::Papy
