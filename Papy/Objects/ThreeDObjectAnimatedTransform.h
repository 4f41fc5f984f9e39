#pragma once

#include "Papy/Objects/ThreeDObject.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace Tessel::Papy {

// A transform above one child node, with a list of animation states. The six transform values
// and the states are carried as read; nothing interprets them.
class ThreeDObjectAnimatedTransform : public ThreeDObject {
public:
    std::string GetTypeName() const override { return "AnimatedTransform"; }
    virtual const std::string& GetName() const = 0;
    virtual const std::string& GetName2() const = 0;
    // In memory order (the file holds the second and third swapped).
    virtual const std::array<double, 6>& GetTransform() const = 0;
    // Empty for the null reference.
    virtual std::shared_ptr<ThreeDObject> GetChild() const = 0;
    virtual std::uint32_t GetStateCount() const = 0;

protected:
    using ThreeDObject::ThreeDObject;
};

}  // namespace Tessel::Papy
