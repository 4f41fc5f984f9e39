#pragma once

#include "Papy/Objects/ThreeDObject.h"

namespace Tessel::Papy {

// The null node: what the null reference (id 0) names. It is never read from a file; saved, it
// writes the null reference.
class ThreeDObjectNull : public ThreeDObject {
public:
    std::string GetTypeName() const override { return {}; }

protected:
    using ThreeDObject::ThreeDObject;
};

}  // namespace Tessel::Papy
