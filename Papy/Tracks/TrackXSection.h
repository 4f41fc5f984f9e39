#pragma once

namespace Tessel::Papy {

// A cross-section line: a line running along a segment at a lateral offset, on which the
// altitude is given. Along the segment the altitude is a cubic in the fraction f of the
// segment, a(f) = C0 + C1 f + C2 f^2 + C3 f^3, in metres.
class TrackXSection {
public:
    virtual ~TrackXSection() = default;

    // Lateral offset of the line at the segment start and end.
    virtual double GetStartOffset() const = 0;
    virtual double GetEndOffset() const = 0;
    virtual void SetOffset(double start, double end) = 0;

    // a(0) = C0 and a(1) = C0 + C1 + C2 + C3.
    virtual double GetStartAltitude() const = 0;
    virtual double GetEndAltitude() const = 0;
    // a'(0) = C1 and a'(1) = C1 + 2 C2 + 3 C3: altitude change per whole segment.
    virtual double GetStartGrade() const = 0;
    virtual double GetEndGrade() const = 0;
    // Sets the cubic from the end altitudes and end grades (Hermite form).
    virtual void SetAltitude(double a0, double a1, double g0, double g1) = 0;

    virtual double GetLinearTerm() const = 0;
    virtual double GetQuadraticTerm() const = 0;
    virtual double GetCubicTerm() const = 0;

    // The altitude of the line at offset (2D distance into the segment).
    virtual double GetAltitude(double offset) const = 0;
};

}  // namespace Tessel::Papy
