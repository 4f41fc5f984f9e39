#pragma once

#include "Papy/Objects/ThreeDObject.h"

#include <cstdint>
#include <memory>

namespace Tessel::Papy {

class ThreeDObjectFSection;
class ThreeDObjectWSection;
class ThreeDObjectXSection;

// A segment of a track's reference line, a straight or an arc, from its start point and
// heading to its end point and heading (metres and radians), with its cross sections, F
// sections and W sections in file order. Sections may be shared between segments.
class ThreeDObjectTrackSegment : public ThreeDObject {
public:
    static constexpr std::uint32_t StraightType = 0;
    static constexpr std::uint32_t ArcType = 1;

    std::string GetTypeName() const override { return "TrackSegment"; }
    // StraightType or ArcType.
    virtual std::uint32_t GetType() const = 0;
    bool IsCurve() const { return GetType() == ArcType; }
    virtual double GetStartX() const = 0;
    virtual double GetStartY() const = 0;
    virtual double GetStartHeading() const = 0;
    virtual double GetEndX() const = 0;
    virtual double GetEndY() const = 0;
    virtual double GetEndHeading() const = 0;

    // The getters take an index below the count; a loaded file holds no null section.
    virtual std::uint32_t GetXSectionCount() const = 0;
    virtual std::shared_ptr<ThreeDObjectXSection> GetXSection(std::uint32_t index) const = 0;
    virtual std::uint32_t GetFSectionCount() const = 0;
    virtual std::shared_ptr<ThreeDObjectFSection> GetFSection(std::uint32_t index) const = 0;
    virtual std::uint32_t GetWSectionCount() const = 0;
    virtual std::shared_ptr<ThreeDObjectWSection> GetWSection(std::uint32_t index) const = 0;

protected:
    using ThreeDObject::ThreeDObject;
};

}  // namespace Tessel::Papy
