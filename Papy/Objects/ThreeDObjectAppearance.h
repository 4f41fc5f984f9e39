#pragma once

#include "Papy/Objects/ThreeDObject.h"

#include <cstdint>
#include <memory>
#include <string>

namespace Tessel::Papy {

class ThreeDObjectTexture2;

// How a surface looks: up to seven texture entries, a specular colour, further colour values
// and the texture function. The queries that track sections make of their appearance
// (specular highlight, other texture, texture count, the two texture-function flags) are
// answered here; N4Appearance says how each maps onto the record.
class ThreeDObjectAppearance : public ThreeDObject {
public:
    std::string GetTypeName() const override { return "Appearance"; }
    virtual const std::string& GetName() const = 0;
    // The three named texture entries; empty handles for null references and for entries that
    // name nodes other than textures.
    virtual std::shared_ptr<ThreeDObjectTexture2> GetBaseTexture() const = 0;
    virtual std::shared_ptr<ThreeDObjectTexture2> GetDetailTexture() const = 0;
    virtual std::shared_ptr<ThreeDObjectTexture2> GetLightTexture() const = 0;
    // The number of non-null texture entries among all seven.
    virtual std::uint32_t GetReferenceCount() const = 0;
    virtual std::uint32_t GetTextureFunction() const = 0;

    virtual bool HasSpecularHighlight() const = 0;
    virtual bool HasOtherTexture() const = 0;
    virtual std::uint32_t GetTextureCount() const = 0;
    virtual bool IsBlended() const = 0;
    virtual bool IsModulated() const = 0;

protected:
    using ThreeDObject::ThreeDObject;
};

}  // namespace Tessel::Papy
