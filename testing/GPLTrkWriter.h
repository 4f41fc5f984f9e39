#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Writes GPL track files from a description in metres and radians, computing every integer
// field from the format's tables: starts, lengths, headings, centres, half arcs, unit
// vectors, cross-section positions and radii, record indices and the final boundary kind.
// Written from the format description, independently of the reader.
namespace Linewright::Testing {

// A lateral boundary of a section; the strip to its left (towards greater offsets) takes its
// code. wall marks that strip as a wall, whose value is its height in track units.
struct TrkBoundary {
    double start = 0.0;  // lateral offset at the section start, metres
    double end = 0.0;    // and at its end
    std::int32_t code = 1;
    bool wall = false;
    std::int32_t value = 0;
    std::int32_t attribute0 = 0;
    std::int32_t attribute1 = 0;
};

// The altitude of one cross-section line along a piece: C0 + C1 f + C2 f^2 + C3 f^3, metres.
using TrkAltitude = std::array<double, 4>;

// An altitude that moves from a0 to a1 with level ends.
TrkAltitude SmoothAltitude(double a0, double a1);

// A straight (radius 0) or an arc turning by angle (positive to the left, less than half a
// turn) on a reference line of the given radius.
struct TrkPiece {
    double length = 0.0;  // straights, metres
    double radius = 0.0;  // arcs, metres
    double angle = 0.0;   // arcs, radians
    std::vector<TrkAltitude> altitudes;    // one per cross-section line; none: level at 0
    std::vector<TrkBoundary> boundaries;   // none: a road strip from -8 m to 8 m
    std::int32_t flags = 0;
    std::int32_t extra = 0;

    static TrkPiece Straight(double length) { return {length, 0.0, 0.0, {}, {}, 0, 0}; }
    static TrkPiece Arc(double radius, double angle) { return {0.0, radius, angle, {}, {}, 0, 0}; }
    bool IsArc() const { return radius != 0.0; }
    double Get2DLength() const;
};

struct TrkShape {
    double startX = 0.0;
    double startY = 0.0;
    double startHeading = 0.0;
    std::vector<double> xSectionOffsets = {-10.0, 0.0, 10.0};  // metres, increasing
    std::vector<TrkPiece> pieces;  // a closed loop

    double Get2DLength() const;
};

// The bytes of a GPL track file of the shape.
std::string WriteGPLTrk(const TrkShape& shape);

// A closed track of 12 pieces: straights, a chicane of a right and a left arc on each long
// side and two pairs of quarter turns, with a climb and fall on the turns, banking, walls and
// several surfaces. Its 2D length is 800 + 320 pi/6 + 400 pi/2 m.
TrkShape SampleTrkShape();

}  // namespace Linewright::Testing
