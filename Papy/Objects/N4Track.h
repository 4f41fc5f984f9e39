#pragma once

#include "Papy/Objects/N4Node.h"
#include "Papy/Objects/ThreeDObjectTrackDetail.h"
#include "Papy/Objects/ThreeDObjectTrackSegment.h"
#include "Papy/Objects/ThreeDObjectTsoReference.h"
#include "Papy/Objects/ThreeDObjectTrack.h"

#include <array>
#include <cstdint>
#include <vector>

namespace Tessel::Papy {

struct N4TrackFields {
    using BumpMapRecord = std::array<std::uint8_t, 48>;
    std::uint32_t version = 8;
    std::uint8_t flag = 0;
    std::array<double, 21> values6{};  // version 6
    std::array<double, 3> values8{};   // version 8
    std::uint32_t value8 = 0;          // version 8
    std::vector<BumpMapRecord> bumpMap;  // version 8
    std::vector<std::uint32_t> details;
    std::vector<std::uint32_t> tsoReferences;
    std::vector<std::uint32_t> segments;
};

// Format notes ("TrackDescriptor", the root of a PTF file): u32 1, u32 0, u32 version (6 or
// 8); u32 segment count s; u8; version 6: 21 f64; version 8: three f64, a u32 and the bump map
// array (u32 count c, then when c > 0 a byte count c × 48 and c records of 48 bytes); u32 0;
// the detail and the trackside-object reference arrays (a count c, a byte count c × 4 only when
// c > 0, c records); a byte count s × 4, present even when s is 0; s segment records.
//
// References: the entries of the detail, trackside-object reference and segment arrays must be
// track details, trackside-object references and track segments in turn ("N4 archive reference
// of the wrong kind" otherwise, as for the null reference): the format says so, and the PTF
// track reads the segments as such.
class N4Track : public N4Node<N4Track, ThreeDObjectTrack, N4TrackFields> {
public:
    static constexpr const char* DescriptorName = "TrackDescriptor";
    using N4Node::N4Node;
    template <class Io, class F>
    static void Transfer(Io& io, F& fields);

    std::uint32_t GetSegmentCount() const override { return static_cast<std::uint32_t>(fields.segments.size()); }
    std::shared_ptr<ThreeDObjectTrackSegment> GetSegment(std::uint32_t index) const override {
        return ReferencedAt<ThreeDObjectTrackSegment>(fields.segments, index);
    }
    std::uint32_t GetDetailCount() const override { return static_cast<std::uint32_t>(fields.details.size()); }
    std::shared_ptr<ThreeDObjectTrackDetail> GetDetail(std::uint32_t index) const override {
        return ReferencedAt<ThreeDObjectTrackDetail>(fields.details, index);
    }
    std::uint32_t GetTsoReferenceCount() const override {
        return static_cast<std::uint32_t>(fields.tsoReferences.size());
    }
    std::shared_ptr<ThreeDObjectTsoReference> GetTsoReference(std::uint32_t index) const override {
        return ReferencedAt<ThreeDObjectTsoReference>(fields.tsoReferences, index);
    }
};

}  // namespace Tessel::Papy
