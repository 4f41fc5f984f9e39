#pragma once

#include "Papy/Objects/ThreeDObject.h"

#include <cstdint>
#include <vector>

namespace Tessel::Papy {

// A list of vertices with their further per-vertex values.
class ThreeDObjectVertices : public ThreeDObject {
public:
    std::string GetTypeName() const override { return "Vertices"; }
    virtual std::uint32_t GetVertexCount() const = 0;
    // The vertices' coordinates (axis 0 to 2); empty when the record holds none.
    virtual const std::vector<double>& GetCoordinates(int axis) const = 0;

protected:
    using ThreeDObject::ThreeDObject;
};

}  // namespace Tessel::Papy
