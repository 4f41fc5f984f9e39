#pragma once

#include "Papy/Tracks/Trk/TrkFormats.h"
#include "Papy/Tracks/Trk/TrkFile.h"

#include <string>
#include <vector>

namespace Tessel::Papy {

// What the two TRK formats keep alike: the track length, the cross-section lines with their
// 32-byte records (section-major) and the fields of the section records, with the accessors
// and setters over them. A format class reads its own layout into these records.
class TrkFileRecords : public TrkFile {
public:
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

protected:
    static constexpr std::int32_t StraightType = 1;
    static constexpr std::int32_t CurveType = 2;
    // "TRAK" with T in the highest byte: the bytes on disk are K, A, R, T.
    static constexpr std::int32_t TrackId = TrkIds::track;

    // The fields of a section record; the formats order them differently, and ICR2 files
    // have no flags (0 here).
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

    explicit TrkFileRecords(std::string name) : name(std::move(name)) {}

    [[noreturn]] void Fail(const std::string& description) const;
    // Keeps the first count of the header's offset slots. The point evaluation needs at least
    // one line and lines in lateral order: fails with "<game> trk file cross-section count not
    // 1 to <slots>" or "<game> trk file cross-section offsets not increasing".
    void KeepXSectionOffsets(const std::vector<std::int32_t>& slots, std::int32_t count, const std::string& game);
    void ReadXSectionRecords(Util::BinaryStream& stream, std::int32_t count);
    void WriteXSectionRecords(Util::BinaryStream& stream) const;

    const XSectionRecord& XSection(int s, int k) const { return xSections[sections[s].firstXSection + k]; }
    XSectionRecord& XSection(int s, int k) { return xSections[sections[s].firstXSection + k]; }

    std::string name;  // the stream's, for the faults
    std::int32_t trackLength = 0;
    std::vector<std::int32_t> xSectionOffsets;
    std::vector<SectionRecord> sections;
    std::vector<XSectionRecord> xSections;
};

}  // namespace Tessel::Papy
