#pragma once

#include "Papy/Tracks/Trk/TrkFileRecords.h"
#include "Util/BinaryStream.h"

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace Tessel::Papy {

// The track file of the N2 family (ICR2 format). Format notes (little-endian 32-bit words):
//   header, 68 bytes: id "TRAK", type 1, track length, cross-section count (at most 10),
//     section count, boundary bytes (12 per record), section block size (written, not read),
//     10 cross-section offset slots;
//   the section offset table, one entry per section (read past);
//   the cross-section records, 32 bytes each, section-major (C3, C2, C1, C0, 3 C3, 2 C2, x or
//     radius, y);
//   the boundary records, 12 bytes each: offset at the section start and end, surface code;
//   per section its 52-byte record (type, start, length, heading, A, B, C, D, extra, first
//     cross-section record, boundary count, first boundary, wall count) followed by its wall
//     records, 20 bytes each (code, offset at the start and end, two unused words).
// Every boundary starts a surface strip; the last strip of a section ends at the section's
// last wall. Walls are lines of no width, 20000 track units high.
//
// The constructor reads and checks the whole file and throws XFileFormat (the stream's name and
// a fixed description) at the first fault, XFileRead when the counts describe more than the
// stream holds (before anything is allocated for them). Beyond the game's own checks it refuses
// a header of no cross-section line or more than 10, lines out of lateral order, a section of
// no length, a section without a boundary (its strip search would read before it) and a
// negative wall count. An unknown surface or wall code is found only when asked for, as the
// XAssertion "false".
//
// A section without walls has nothing to end its last strip at: that strip then ends where it
// begins, so the strips still cover what the boundaries describe and a point beyond the last
// boundary falls to the last strip, as it does on every track.
class ICR2TrkFile : public TrkFileRecords {
public:
    explicit ICR2TrkFile(const std::shared_ptr<Util::BinaryStream>& stream);

    int GetStripCount(int s) const override { return sections[s].boundaryCount; }
    std::int32_t GetStripLeftStart(int s, int j) const override { return Boundary(s, j).start; }
    std::int32_t GetStripLeftEnd(int s, int j) const override { return Boundary(s, j).end; }
    std::int32_t GetStripRightStart(int s, int j) const override;
    std::int32_t GetStripRightEnd(int s, int j) const override;
    std::int32_t GetStripValue(int, int) const override { return 0; }
    bool IsWallStrip(int, int) const override { return false; }
    std::int32_t GetSurfaceKind(int s, int j) const override;
    std::int32_t GetSurfaceVariant(int s, int j) const override;
    int GetStripAttributeCount(int, int) const override { return 0; }
    std::int32_t GetStripAttribute(int, int, int) const override { return 0; }

    int GetWallCount(int s) const override { return wallCounts[s]; }
    std::int32_t GetWallLeftStart(int s, int w) const override { return Wall(s, w).start; }
    std::int32_t GetWallLeftEnd(int s, int w) const override { return Wall(s, w).end; }
    std::int32_t GetWallRightStart(int s, int w) const override { return Wall(s, w).start; }
    std::int32_t GetWallRightEnd(int s, int w) const override { return Wall(s, w).end; }
    std::int32_t GetWallHeight(int, int) const override { return WallHeight; }
    std::int32_t GetWallKind(int s, int w) const override;
    int GetWallAttributeCount() const override { return 0; }
    std::int32_t GetWallAttribute(int, int, int) const override { return 0; }

    void Write(Util::BinaryStream& stream) const override;

private:
    static constexpr std::int32_t WallHeight = 20000;  // 1.016 m

    struct BoundaryRecord {
        std::int32_t start, end, code;
    };
    struct WallRecord {
        std::int32_t code, start, end;
    };

    const BoundaryRecord& Boundary(int s, int j) const { return boundaries[sections[s].firstBoundary + j]; }
    const WallRecord& Wall(int s, int w) const { return walls[firstWalls[s] + w]; }
    // The boundary that ends strip j: the next boundary, else the section's last wall.
    std::pair<std::int32_t, std::int32_t> RightEdge(int s, int j) const;
    // The surface range of a code: its kind and the code its variants count from.
    std::pair<std::int32_t, std::int32_t> SurfaceRange(int s, int j) const;

    void Read(Util::BinaryStream& stream);
    void CheckStoredGrades() const;
    void ReadBoundaryRecords(Util::BinaryStream& stream, std::int32_t bytes);
    void ReadSection(Util::BinaryStream& stream, std::int32_t i, std::int64_t& lengthSum, std::int64_t& boundarySum);
    void CheckAltitudeJoin(std::int32_t i) const;
    void ReadWalls(Util::BinaryStream& stream, std::int32_t count);

    std::vector<BoundaryRecord> boundaries;
    std::vector<WallRecord> walls;
    std::vector<std::int32_t> wallCounts;  // per section
    std::vector<std::int32_t> firstWalls;  // per section: the index of its first wall in walls
};

}  // namespace Tessel::Papy
