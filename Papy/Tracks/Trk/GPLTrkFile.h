#pragma once

#include "Papy/Tracks/Trk/TrkFileRecords.h"
#include "Util/BinaryStream.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Tessel::Papy {

// The track file of the GPL family: a header, a section index table, the cross-section
// records (section-major), the boundary records grouped by section and the section records.
// The constructor reads and checks the whole file and throws XFileFormat (the stream's name
// and a fixed description) at the first fault; stream faults propagate.
class GPLTrkFile : public TrkFileRecords {
public:
    explicit GPLTrkFile(const std::shared_ptr<Util::BinaryStream>& stream);


    int GetStripCount(int s) const override { return sections[s].boundaryCount - 1; }
    std::int32_t GetStripLeftStart(int s, int j) const override { return Boundary(s, j).start; }
    std::int32_t GetStripLeftEnd(int s, int j) const override { return Boundary(s, j).end; }
    std::int32_t GetStripRightStart(int s, int j) const override { return Boundary(s, j + 1).start; }
    std::int32_t GetStripRightEnd(int s, int j) const override { return Boundary(s, j + 1).end; }
    std::int32_t GetStripValue(int s, int j) const override;
    bool IsWallStrip(int s, int j) const override { return Boundary(s, j).IsWall(); }
    std::int32_t GetSurfaceKind(int s, int j) const override;
    std::int32_t GetSurfaceVariant(int, int) const override { return 0; }
    int GetStripAttributeCount(int s, int j) const override { return IsWallStrip(s, j) ? 0 : 2; }
    std::int32_t GetStripAttribute(int s, int j, int n) const override;

    int GetWallCount(int s) const override;
    std::int32_t GetWallLeftStart(int s, int w) const override { return Boundary(s, WallBoundary(s, w)).start; }
    std::int32_t GetWallLeftEnd(int s, int w) const override { return Boundary(s, WallBoundary(s, w)).end; }
    std::int32_t GetWallRightStart(int s, int w) const override { return Boundary(s, WallBoundary(s, w) + 1).start; }
    std::int32_t GetWallRightEnd(int s, int w) const override { return Boundary(s, WallBoundary(s, w) + 1).end; }
    std::int32_t GetWallHeight(int s, int w) const override { return Boundary(s, WallBoundary(s, w)).value; }
    std::int32_t GetWallKind(int s, int w) const override;
    int GetWallAttributeCount() const override { return 3; }
    std::int32_t GetWallAttribute(int s, int w, int n) const override;

    void Write(Util::BinaryStream& stream) const override;

private:
    struct BoundaryRecord {
        std::int32_t start, end, kind, attribute0, value, attribute1;
        bool IsWall() const { return (kind & WallBit) != 0; }
        std::int32_t Code() const { return kind & CodeBits; }
    };
    static constexpr std::int32_t WallBit = 0x800;
    static constexpr std::int32_t CodeBits = 0x7ff;

    const BoundaryRecord& Boundary(int s, int j) const { return boundaries[sections[s].firstBoundary + j]; }
    // The index within the section of its w-th wall boundary.
    int WallBoundary(int s, int w) const;

    void Read(Util::BinaryStream& stream);
    void ReadBoundaryRecords(Util::BinaryStream& stream, std::int32_t bytes);
    void ReadSectionRecords(Util::BinaryStream& stream, std::int32_t count, std::int32_t boundaryBytes);
    void CheckStrictly() const;

    std::vector<BoundaryRecord> boundaries;
};

}  // namespace Tessel::Papy
