#pragma once

#include "Papy/Tracks/Trk/TrkFile.h"
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
class GPLTrkFile : public TrkFile {
public:
    explicit GPLTrkFile(const std::shared_ptr<Util::BinaryStream>& stream);

    std::int32_t GetTrackLength() const override { return trackLength; }
    int GetXSectionCount() const override { return static_cast<int>(xSectionOffsets.size()); }
    std::int32_t GetXSectionOffset(int k) const override { return xSectionOffsets[k]; }
    void SetXSectionOffset(int k, std::int32_t offset) override;

    int GetSectionCount() const override { return static_cast<int>(sections.size()); }
    bool IsCurve(int s) const override { return sections[s].type == CurveType; }
    bool GetSectionFlag0(int s) const override { return (sections[s].flags & 1) != 0; }
    bool GetSectionFlag1(int s) const override { return (sections[s].flags & 2) != 0; }
    std::int32_t GetSectionStart(int s) const override { return sections[s].start; }
    std::int32_t GetSectionLength(int s) const override { return sections[s].length; }
    std::int32_t GetSectionHeading(int s) const override { return sections[s].heading; }
    std::int32_t GetCentreX(int s) const override { return sections[s].a; }
    std::int32_t GetCentreY(int s) const override { return sections[s].b; }
    std::int32_t GetHalfArc(int s) const override { return sections[s].c; }
    std::int32_t GetDirectionX(int s) const override { return sections[s].a; }
    std::int32_t GetDirectionY(int s) const override { return sections[s].b; }
    std::int32_t GetNormalX(int s) const override { return sections[s].c; }
    std::int32_t GetNormalY(int s) const override { return sections[s].d; }
    std::int32_t GetSectionExtra(int s) const override { return sections[s].extra; }

    std::int32_t GetAltitudeC0(int s, int k) const override { return XSection(s, k).c0; }
    std::int32_t GetAltitudeC1(int s, int k) const override { return XSection(s, k).c1; }
    std::int32_t GetAltitudeC2(int s, int k) const override { return XSection(s, k).c2; }
    std::int32_t GetAltitudeC3(int s, int k) const override { return XSection(s, k).c3; }
    std::int32_t GetGradeC1(int s, int k) const override { return XSection(s, k).twiceC2; }
    std::int32_t GetGradeC2(int s, int k) const override { return XSection(s, k).thriceC3; }
    void SetAltitudeC0(int s, int k, std::int32_t value) override;
    void SetAltitudeC1(int s, int k, std::int32_t value) override;
    void SetAltitudeC2(int s, int k, std::int32_t value) override;
    void SetAltitudeC3(int s, int k, std::int32_t value) override;
    std::int32_t GetXSectionStartX(int s, int k) const override { return XSection(s, k).position; }
    std::int32_t GetXSectionStartY(int s, int k) const override { return XSection(s, k).y; }
    std::int32_t GetXSectionRadius(int s, int k) const override { return XSection(s, k).position; }

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
    static constexpr std::int32_t StraightType = 1;
    static constexpr std::int32_t CurveType = 2;

    struct SectionRecord {
        std::int32_t type, start, length, heading, flags;
        std::int32_t a, b, c, d;  // see the accessors
        std::int32_t extra, firstXSection, boundaryCount, firstBoundary;
    };
    struct XSectionRecord {
        std::int32_t c3, c2, c1, c0;
        std::int32_t thriceC3, twiceC2;  // stored copies
        std::int32_t position;  // straight: x of the line at the section start; curve: radius
        std::int32_t y;         // straight: y of the line at the section start
    };
    struct BoundaryRecord {
        std::int32_t start, end, kind, attribute0, value, attribute1;
        bool IsWall() const { return (kind & WallBit) != 0; }
        std::int32_t Code() const { return kind & CodeBits; }
    };
    static constexpr std::int32_t WallBit = 0x800;
    static constexpr std::int32_t CodeBits = 0x7ff;

    const XSectionRecord& XSection(int s, int k) const { return xSections[sections[s].firstXSection + k]; }
    XSectionRecord& XSection(int s, int k) { return xSections[sections[s].firstXSection + k]; }
    const BoundaryRecord& Boundary(int s, int j) const { return boundaries[sections[s].firstBoundary + j]; }
    // The index within the section of its w-th wall boundary.
    int WallBoundary(int s, int w) const;

    void Read(Util::BinaryStream& stream);
    void ReadXSectionRecords(Util::BinaryStream& stream, std::int32_t count);
    void ReadBoundaryRecords(Util::BinaryStream& stream, std::int32_t bytes);
    void ReadSectionRecords(Util::BinaryStream& stream, std::int32_t count, std::int32_t boundaryBytes);
    void CheckStrictly() const;
    [[noreturn]] void Fail(const std::string& description) const;

    std::string name;
    std::int32_t trackLength = 0;
    std::vector<std::int32_t> xSectionOffsets;
    std::vector<SectionRecord> sections;
    std::vector<XSectionRecord> xSections;
    std::vector<BoundaryRecord> boundaries;
};

}  // namespace Tessel::Papy
