#include "Samples/ICR2TrkWriter.h"

#include <numbers>

namespace Linewright::Samples {

namespace {

constexpr std::int32_t OffsetSlots = 10;
constexpr std::int32_t SectionBytes = 52;
constexpr std::int32_t WallBytes = 20;
constexpr std::int32_t UnusedWallWord = static_cast<std::int32_t>(0xCCCCCCCCu);

}  // namespace

std::string WriteICR2Trk(const TrkShape& shape) {
    const TrkLayout layout = LayOutTrk(shape);
    const auto lineCount = static_cast<std::int32_t>(shape.xSectionOffsets.size());
    const auto sectionCount = static_cast<std::int32_t>(layout.sections.size());
    std::int32_t wallCount = 0;
    for (const TrkPiece& piece : shape.pieces)
        wallCount += static_cast<std::int32_t>(piece.walls.size());
    TrkBytes out;
    for (std::int32_t value : {0x5452414B, 1, layout.trackLength, lineCount, sectionCount,
                               12 * static_cast<std::int32_t>(layout.boundaries.size()),
                               SectionBytes * sectionCount + WallBytes * wallCount})
        out.Put(value);
    for (std::int32_t k = 0; k < OffsetSlots; ++k)
        out.Put(k < lineCount ? TrkUnits(shape.xSectionOffsets[k]) : 0);
    // Each section's record lies after the records and walls of the sections before it.
    std::int32_t offset = 0;
    for (const TrkPiece& piece : shape.pieces) {
        out.Put(offset);
        offset += SectionBytes + WallBytes * static_cast<std::int32_t>(piece.walls.size());
    }
    for (const TrkLayout::Line& line : layout.lines) {
        for (std::int32_t value : {line.c3, line.c2, line.c1, line.c0, 3 * line.c3, 2 * line.c2, line.position, line.y})
            out.Put(value);
    }
    for (const TrkBoundary& b : layout.boundaries) {
        for (std::int32_t value : {TrkUnits(b.start), TrkUnits(b.end), b.code})
            out.Put(value);
    }
    for (std::int32_t i = 0; i < sectionCount; ++i) {
        const TrkLayout::Section& s = layout.sections[i];
        const std::vector<TrkWall>& walls = shape.pieces[i].walls;
        for (std::int32_t value : {s.type, s.start, s.length, s.heading, s.a, s.b, s.c, s.d, s.extra, s.firstXSection,
                                   s.boundaryCount, s.firstBoundary, static_cast<std::int32_t>(walls.size())})
            out.Put(value);
        for (const TrkWall& wall : walls) {
            for (std::int32_t value : {wall.code, TrkUnits(wall.start), TrkUnits(wall.end), UnusedWallWord, UnusedWallWord})
                out.Put(value);
        }
    }
    return out.text;
}

TrkShape SampleICR2TrkShape() {
    TrkShape shape;
    shape.startX = -150.0;
    shape.startY = -100.0;
    shape.xSectionOffsets = {-12.0, 0.0, 12.0};
    const auto turn = [&](double a0, double a1) {
        TrkPiece piece = TrkPiece::Arc(100.0, std::numbers::pi / 2.0);
        piece.altitudes.assign(3, SmoothAltitude(a0, a1));
        return piece;
    };
    const auto straight = [&](double altitude) {
        TrkPiece piece = TrkPiece::Straight(300.0);
        piece.altitudes.assign(3, TrkAltitude{altitude, 0.0, 0.0, 0.0});
        return piece;
    };
    shape.pieces = {straight(0.0), turn(0.0, 0.0), turn(0.0, 0.0), straight(0.0), turn(0.0, 1.0), turn(1.0, 0.0)};
    for (TrkPiece& piece : shape.pieces) {
        piece.boundaries = {{-10.0, -10.0, 3, false, 0, 0, 0},   // grass
                            {-8.0, -8.0, 30, false, 0, 0, 0},    // road
                            {8.0, 8.0, 50, false, 0, 0, 0}};     // sand, up to the left wall
        piece.walls = {{4, -11.0, -11.0}, {2, 11.0, 11.0}};
    }
    shape.pieces[2].extra = 7;
    return shape;
}

}  // namespace Linewright::Samples
