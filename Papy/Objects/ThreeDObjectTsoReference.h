#pragma once

#include "Papy/Objects/ThreeDObject.h"

#include <array>
#include <cstdint>
#include <memory>

namespace Tessel::Papy {

class ThreeDObjectTracksideObject;

// A trackside object placed at the track: six placement values (carried as read) and the object.
class ThreeDObjectTsoReference : public ThreeDObject {
public:
    std::string GetTypeName() const override { return "TsoReference"; }
    // In memory order (the file holds the last three reversed).
    virtual const std::array<double, 6>& GetPlacement() const = 0;
    virtual std::shared_ptr<ThreeDObjectTracksideObject> GetTracksideObject() const = 0;
    // 0 or 1; version-1 records imply 0.
    virtual std::uint32_t GetWindDirection() const = 0;

protected:
    using ThreeDObject::ThreeDObject;
};

}  // namespace Tessel::Papy
