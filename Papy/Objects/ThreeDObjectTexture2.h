#pragma once

#include "Papy/Objects/ThreeDObject.h"

#include <cstdint>
#include <string>

namespace Tessel::Papy {

// A texture image named by its file.
class ThreeDObjectTexture2 : public ThreeDObject {
public:
    std::string GetTypeName() const override { return "Texture2"; }
    virtual std::uint32_t GetVersion() const = 0;
    virtual const std::string& GetFileName() const = 0;
    virtual bool IsShared() const = 0;
    // Throws XUsage "N4 3do Texture version 1 sharing not supported" for a version-1 texture.
    virtual void SetShared(bool shared) = 0;

protected:
    using ThreeDObject::ThreeDObject;
};

}  // namespace Tessel::Papy
