#pragma once

#include "Papy/Objects/ThreeDObject.h"

#include <cstdint>
#include <memory>

namespace Tessel::Papy {

class ThreeDObjectTrackDetail;
class ThreeDObjectTrackSegment;
class ThreeDObjectTsoReference;

// A track: its segments in track order (a closed loop), its details and its placed trackside
// objects. The getters take an index below the count; a loaded file holds no null entry.
class ThreeDObjectTrack : public ThreeDObject {
public:
    std::string GetTypeName() const override { return "Track"; }
    virtual std::uint32_t GetSegmentCount() const = 0;
    virtual std::shared_ptr<ThreeDObjectTrackSegment> GetSegment(std::uint32_t index) const = 0;
    virtual std::uint32_t GetDetailCount() const = 0;
    virtual std::shared_ptr<ThreeDObjectTrackDetail> GetDetail(std::uint32_t index) const = 0;
    virtual std::uint32_t GetTsoReferenceCount() const = 0;
    virtual std::shared_ptr<ThreeDObjectTsoReference> GetTsoReference(std::uint32_t index) const = 0;

protected:
    using ThreeDObject::ThreeDObject;
};

}  // namespace Tessel::Papy
