#pragma once

#include "Papy/Objects/ThreeDObject.h"

#include <cstdint>
#include <memory>

namespace Tessel::Papy {

// The container's own root above the archive's root object; it is never read from a file, and
// saved it writes its children in order.
class ThreeDObjectRoot : public ThreeDObject {
public:
    std::string GetTypeName() const override { return "Root"; }
    virtual std::uint32_t GetChildCount() const = 0;
    // Breaks an assertion for an index past the children.
    virtual std::shared_ptr<ThreeDObject> GetChild(std::uint32_t index) const = 0;

protected:
    using ThreeDObject::ThreeDObject;
};

}  // namespace Tessel::Papy
