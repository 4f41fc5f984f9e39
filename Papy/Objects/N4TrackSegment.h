#pragma once

#include "Papy/Objects/N4Node.h"
#include "Papy/Objects/ThreeDObjectFSection.h"
#include "Papy/Objects/ThreeDObjectWSection.h"
#include "Papy/Objects/ThreeDObjectXSection.h"
#include "Papy/Objects/ThreeDObjectTrackSegment.h"

#include <array>
#include <cstdint>
#include <vector>

namespace Tessel::Papy {

struct N4TrackSegmentFields {
    // A bm record: two floats, summed into the record's end, and four bytes.
    struct Bm {
        float first = 0.0f;
        float second = 0.0f;
        std::array<std::uint8_t, 4> rest{};
        double GetEnd() const { return double{first} + second; }
    };
    // A bs record: two floats, summed into the record's end, and eight bytes.
    struct Bs {
        float first = 0.0f;
        float second = 0.0f;
        std::array<std::uint8_t, 8> rest{};
        double GetEnd() const { return double{first} + second; }
    };
    std::uint32_t version = 1;
    std::vector<std::uint32_t> xSections;
    std::vector<std::uint32_t> fSections;
    std::vector<std::uint32_t> wSections;
    std::uint32_t type = ThreeDObjectTrackSegment::StraightType;
    double startX = 0.0;
    double startY = 0.0;
    double startHeading = 0.0;
    double endX = 0.0;
    double endY = 0.0;
    double endHeading = 0.0;
    std::array<std::uint8_t, 2> flags{};
    std::vector<Bm> bm;  // version 2
    std::vector<Bs> bs;  // version 2
};

// Format notes ("SegmentDescriptor"): u32 1, u32 0, u32 version (1 or 2); the X, F and W
// section reference arrays (each a u32 count c, then only when c > 0 a u32 byte count c × 4,
// then c records); u32 type (0 straight, 1 arc); f64 startX, startY, startHeading, endX, endY,
// endHeading; two u8; version 2: the bm array (count, byte count c × 12 when c > 0, records)
// and the bs array (likewise with 16-byte records).
//
// References: every entry of the X, F and W arrays must be a cross, F or W section in turn
// ("N4 archive reference of the wrong kind" otherwise, as for the null reference): the format
// says so, and the PTF track reads them as such.
class N4TrackSegment : public N4Node<N4TrackSegment, ThreeDObjectTrackSegment, N4TrackSegmentFields> {
public:
    static constexpr const char* DescriptorName = "SegmentDescriptor";
    using N4Node::N4Node;
    template <class Io, class F>
    static void Transfer(Io& io, F& fields);

    std::uint32_t GetType() const override { return fields.type; }
    double GetStartX() const override { return fields.startX; }
    double GetStartY() const override { return fields.startY; }
    double GetStartHeading() const override { return fields.startHeading; }
    double GetEndX() const override { return fields.endX; }
    double GetEndY() const override { return fields.endY; }
    double GetEndHeading() const override { return fields.endHeading; }

    std::uint32_t GetXSectionCount() const override { return static_cast<std::uint32_t>(fields.xSections.size()); }
    std::shared_ptr<ThreeDObjectXSection> GetXSection(std::uint32_t index) const override {
        return ReferencedAt<ThreeDObjectXSection>(fields.xSections, index);
    }
    std::uint32_t GetFSectionCount() const override { return static_cast<std::uint32_t>(fields.fSections.size()); }
    std::shared_ptr<ThreeDObjectFSection> GetFSection(std::uint32_t index) const override {
        return ReferencedAt<ThreeDObjectFSection>(fields.fSections, index);
    }
    std::uint32_t GetWSectionCount() const override { return static_cast<std::uint32_t>(fields.wSections.size()); }
    std::shared_ptr<ThreeDObjectWSection> GetWSection(std::uint32_t index) const override {
        return ReferencedAt<ThreeDObjectWSection>(fields.wSections, index);
    }
};

}  // namespace Tessel::Papy
