#pragma once

#include "Papy/Objects/ThreeDObject.h"

namespace Tessel::Papy {

// A cross-section line of a track segment: its lateral offset and its altitude and grade at
// the segment's start and end (metres; a grade is the altitude change per whole segment).
class ThreeDObjectXSection : public ThreeDObject {
public:
    std::string GetTypeName() const override { return "XSection"; }
    virtual double GetStartOffset() const = 0;
    virtual double GetEndOffset() const = 0;
    virtual void SetOffset(double start, double end) = 0;
    virtual double GetStartAltitude() const = 0;
    virtual double GetEndAltitude() const = 0;
    virtual double GetStartGrade() const = 0;
    virtual double GetEndGrade() const = 0;
    virtual void SetAltitude(double startAltitude, double endAltitude, double startGrade, double endGrade) = 0;

protected:
    using ThreeDObject::ThreeDObject;
};

}  // namespace Tessel::Papy
