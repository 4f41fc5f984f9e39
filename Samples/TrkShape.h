#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// A TRK track described in metres and radians, and its fields worked out in the file's units
// (starts, lengths, headings, centres, half arcs, unit vectors, cross-section positions and
// radii, record indices), for the writers of both TRK formats. Written from the format
// description, independently of the readers.
namespace Linewright::Samples {

// A lateral boundary of a section; the strip to its left (towards greater offsets) takes its
// code. GPL files: wall marks that strip as a wall, whose value is its height in track units.
struct TrkBoundary {
    double start = 0.0;  // lateral offset at the section start, metres
    double end = 0.0;    // and at its end
    std::int32_t code = 1;
    bool wall = false;
    std::int32_t value = 0;
    std::int32_t attribute0 = 0;
    std::int32_t attribute1 = 0;
};

// ICR2 files: a wall line of a section.
struct TrkWall {
    std::int32_t code = 0;
    double start = 0.0;  // lateral offset at the section start, metres
    double end = 0.0;
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
    std::vector<TrkWall> walls;            // ICR2 files only

    static TrkPiece Straight(double length) { return {length, 0.0, 0.0, {}, {}, 0, 0, {}}; }
    static TrkPiece Arc(double radius, double angle) { return {0.0, radius, angle, {}, {}, 0, 0, {}}; }
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

// A square of four quarter turns of radius 50 m on a single cross-section line, without walls.
TrkShape RingShape();

// Track units from metres, to the nearest.
std::int32_t TrkUnits(double metres);

// The shape's fields in file units, the same in both formats.
struct TrkLayout {
    struct Line {
        std::int32_t c0, c1, c2, c3;
        std::int32_t position, y;  // straight: x, y of the line at the start; arc: radius, 0
    };
    struct Section {
        std::int32_t type, start, length, heading, flags, a, b, c, d, extra, firstXSection, boundaryCount,
            firstBoundary;
    };

    std::int32_t trackLength = 0;
    std::vector<Section> sections;
    std::vector<Line> lines;               // section-major
    std::vector<TrkBoundary> boundaries;   // grouped by section
};

TrkLayout LayOutTrk(const TrkShape& shape);

// The little-endian 32-bit words of a TRK file.
struct TrkBytes {
    void Put(std::int32_t value) {
        for (int i = 0; i < 4; ++i)
            text.push_back(static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xff));
    }
    std::string text;
};

}  // namespace Linewright::Samples
