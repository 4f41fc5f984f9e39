#include "Samples/GPLTrkWriter.h"

#include <cmath>
#include <numbers>

namespace Linewright::Samples {

std::string WriteGPLTrk(const TrkShape& shape) {
    const TrkLayout layout = LayOutTrk(shape);
    const auto lineCount = static_cast<std::int32_t>(shape.xSectionOffsets.size());
    const auto sectionCount = static_cast<std::int32_t>(layout.sections.size());
    const auto boundaryCount = static_cast<std::int32_t>(layout.boundaries.size());
    TrkBytes out;
    for (std::int32_t value :
         {0x5452414B, 3000, layout.trackLength, lineCount, sectionCount, 32 * boundaryCount, 52 * sectionCount})
        out.Put(value);
    for (std::int32_t k = 0; k < 16; ++k)
        out.Put(k < lineCount ? TrkUnits(shape.xSectionOffsets[k]) : 0);
    for (std::int32_t i = 0; i < sectionCount; ++i)
        out.Put(52 * i);
    for (const TrkLayout::Line& line : layout.lines) {
        for (std::int32_t value : {line.c3, line.c2, line.c1, line.c0, 3 * line.c3, 2 * line.c2, line.position, line.y})
            out.Put(value);
    }
    for (std::int32_t j = 0; j < boundaryCount; ++j) {
        const TrkBoundary& b = layout.boundaries[j];
        // The file's last boundary, the right edge of the track, has kind 10.
        const std::int32_t kind = j + 1 == boundaryCount ? 10 : (b.code | (b.wall ? 0x800 : 0));
        for (std::int32_t value : {TrkUnits(b.start), TrkUnits(b.end), kind, b.attribute0, b.value, b.attribute1, 0, 0})
            out.Put(value);
    }
    for (const TrkLayout::Section& s : layout.sections) {
        for (std::int32_t value : {s.type, s.start, s.length, s.heading, s.flags, s.a, s.b, s.c, s.d, s.extra,
                                   s.firstXSection, s.boundaryCount, s.firstBoundary})
            out.Put(value);
    }
    return out.text;
}

TrkShape SampleTrkShape() {
    constexpr double pi = std::numbers::pi;
    const std::vector<TrkBoundary> edges = {
        {-12.0, -12.0, 2, true, TrkUnits(1.0), 0, 0},  // a wall on the right
        {-10.0, -10.0, 3, false, 7, 1, 2},          // grass
        {-8.0, -8.0, 2, false, 0, 0, 0},            // road
        {8.0, 8.0, 4, false, 0, 0, 0},              // gravel
        {10.0, 10.0, 5, true, TrkUnits(0.75), 0, 0},   // a wall on the left
        {12.0, 12.0, 1, false, 0, 0, 0}};
    TrkShape shape;
    shape.startX = 100.0;
    shape.startY = -50.0;
    shape.xSectionOffsets = {-12.0, -4.0, 0.0, 4.0, 12.0};
    const auto level = [&](double altitude) { return std::vector<TrkAltitude>(5, TrkAltitude{altitude, 0, 0, 0}); };
    // Quarter turns that climb (or fall) by 2 m each and bank by 0.05 m per metre midway.
    const auto turn = [&](double a0, double a1, bool banked) {
        TrkPiece piece = TrkPiece::Arc(100.0, pi / 2.0);
        for (double offset : shape.xSectionOffsets) {
            const double bankAtStart = banked ? 0.0 : 0.05 * offset;
            const double bankAtEnd = banked ? 0.05 * offset : 0.0;
            piece.altitudes.push_back(SmoothAltitude(a0 + bankAtStart, a1 + bankAtEnd));
        }
        return piece;
    };
    const auto straight = [&](double altitude) {
        TrkPiece piece = TrkPiece::Straight(200.0);
        piece.altitudes = level(altitude);
        return piece;
    };
    const auto chicaneArc = [&](double angle, double altitude) {
        TrkPiece piece = TrkPiece::Arc(80.0, angle);
        piece.altitudes = level(altitude);
        return piece;
    };
    shape.pieces = {straight(0.0),          chicaneArc(-pi / 6.0, 0.0), chicaneArc(pi / 6.0, 0.0),
                    straight(0.0),          turn(0.0, 2.0, true),        turn(2.0, 4.0, false),
                    straight(4.0),          chicaneArc(-pi / 6.0, 4.0), chicaneArc(pi / 6.0, 4.0),
                    straight(4.0),          turn(4.0, 2.0, true),        turn(2.0, 0.0, false)};
    for (TrkPiece& piece : shape.pieces)
        piece.boundaries = edges;
    shape.pieces[2].flags = 3;
    shape.pieces[5].extra = 42;
    return shape;
}

}  // namespace Linewright::Samples
