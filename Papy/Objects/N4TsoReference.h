#pragma once

#include "Papy/Objects/N4Node.h"
#include "Papy/Objects/ThreeDObjectTsoReference.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace Tessel::Papy {

struct N4TsoReferenceFields {
    using Record = std::array<std::uint8_t, 40>;
    std::uint32_t version = 1;
    std::array<double, 6> placement{};  // in memory order
    std::uint32_t tracksideObject = 0;
    std::uint32_t windDirection = 0;  // version 6
    std::uint8_t flag = 1;            // version 6; version 1 implies 1
    // Version 6 with flag 0 only:
    std::array<std::uint8_t, 32> block{};
    std::array<std::uint32_t, 3> values{};
    std::vector<Record> records;
    std::string text;
};

// Format notes ("TSOReferenceDescriptor"): u32 1, u32 0, u32 version (1 or 6); six f64 p0, p1,
// p2, p5, p4, p3; the trackside object's record; version 6: u32 wind direction (0 or 1), u8
// flag, and when the flag is 0: 32 bytes, three u32, a u32 count c, c records of 40 bytes and a
// string.
//
// References: the trackside object must be one ("N4 archive reference of the wrong kind"
// otherwise, as for the null reference): the format says so.
//
// The flag governs everything after it, the string included. The same reading of the
// record's layout puts the version-6 fields under "version 6 only" and the fields after the
// flag under "flag 0" alike; and a version-1 record, which counts as flag 1, has none of them,
// so that a version-6 record with flag 1 is a version-1 record plus the wind direction and the
// flag.
class N4TsoReference : public N4Node<N4TsoReference, ThreeDObjectTsoReference, N4TsoReferenceFields> {
public:
    static constexpr const char* DescriptorName = "TSOReferenceDescriptor";
    using N4Node::N4Node;
    template <class Io, class F>
    static void Transfer(Io& io, F& fields);

    const std::array<double, 6>& GetPlacement() const override { return fields.placement; }
    std::shared_ptr<ThreeDObjectTracksideObject> GetTracksideObject() const override;
    std::uint32_t GetWindDirection() const override { return fields.windDirection; }
};

}  // namespace Tessel::Papy
