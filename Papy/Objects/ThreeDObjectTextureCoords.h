#pragma once

#include "Papy/Objects/ThreeDObject.h"

#include <cstdint>
#include <vector>

namespace Tessel::Papy {

// Texture coordinates of a track section's texture layers, carried as read.
class ThreeDObjectTextureCoords : public ThreeDObject {
public:
    std::string GetTypeName() const override { return "TextureCoords"; }
    virtual std::uint32_t GetVertexCount() const = 0;
    // Empty when the record holds no texture vertices.
    virtual const std::vector<double>& GetUs() const = 0;
    virtual const std::vector<double>& GetVs() const = 0;

protected:
    using ThreeDObject::ThreeDObject;
};

}  // namespace Tessel::Papy
