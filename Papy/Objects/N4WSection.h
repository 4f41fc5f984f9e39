#pragma once

#include "Papy/Objects/N4Node.h"
#include "Papy/Objects/N4SectionTexture.h"
#include "Papy/Objects/ThreeDObjectWSection.h"

#include <array>
#include <cstdint>
#include <vector>

namespace Tessel::Papy {

struct N4WSectionFields {
    // A texture layer: u8, f64, f64, u8, f64, f64 after its inherit byte.
    struct Layer {
        std::uint8_t inherit = 0;
        std::uint8_t flag0 = 0;
        double value0 = 0.0;
        double value1 = 0.0;
        std::uint8_t flag1 = 0;
        double value2 = 0.0;
        double value3 = 0.0;
        template <class Io, class L>
        static void Transfer(Io& io, L& layer);
    };
    struct Strip {
        double start = 0.0;  // not stored for the first strip
        std::array<N4SectionTexture<Layer>, 5> textures;
    };
    std::uint32_t version = 5;
    double startOffset = 0.0;
    double endOffset = 0.0;
    std::uint8_t flag = 0;
    std::uint32_t value = 0;
    double startHeight = 0.0;
    double endHeight = 0.0;
    double startWidth = 0.0;
    double endWidth = 0.0;
    std::array<double, 2> extra{};
    std::uint32_t direction = 0;
    std::uint32_t profile = 0;  // version 7
    std::uint32_t profileValue = 0;  // profile 1
    std::array<std::uint32_t, 4> profileA{};
    std::array<std::uint32_t, 4> profileB{};
    std::uint32_t wallType = 0;
    std::array<std::uint32_t, 2> stripValues{};
    std::vector<Strip> strips;
};

// Format notes ("W_SectionDescriptor"): u32 1, u32 0, u32 version (5 to 7); startOffset and
// endOffset (f64 in version 5, f32 after); u8 flag, u32; f64 startHeight, endHeight,
// startWidth, endWidth and two more; u32 direction (0 or 1); version 7: u32 profile (0 or 1),
// and for profile 1 an f32 -1, a u32 and twice four u32; u32 wallType; u32 strip count m; two
// u32; then per strip (from the second on) an f64 and five section textures.
//
// References: those of the section textures, checked as N4SectionTexture says.
class N4WSection : public N4Node<N4WSection, ThreeDObjectWSection, N4WSectionFields> {
public:
    static constexpr const char* DescriptorName = "W_SectionDescriptor";
    using N4Node::N4Node;
    template <class Io, class F>
    static void Transfer(Io& io, F& fields);

    double GetStartOffset() const override { return fields.startOffset; }
    double GetEndOffset() const override { return fields.endOffset; }
    double GetStartHeight() const override { return fields.startHeight; }
    double GetEndHeight() const override { return fields.endHeight; }
    double GetStartWidth() const override { return fields.startWidth; }
    double GetEndWidth() const override { return fields.endWidth; }
    std::uint32_t GetWallType() const override { return fields.wallType; }
    std::uint32_t GetDirection() const override { return fields.direction; }
};

}  // namespace Tessel::Papy
