#pragma once

#include "Papy/Objects/N4Node.h"
#include "Papy/Objects/N4SectionTexture.h"
#include "Papy/Objects/ThreeDObjectFSection.h"

#include <cstdint>

namespace Tessel::Papy {

struct N4FSectionFields {
    // A texture layer: u8, f64, u8, f64, f64, f64, f64 after its inherit byte.
    struct Layer {
        std::uint8_t inherit = 0;
        std::uint8_t flag0 = 0;
        double value0 = 0.0;
        std::uint8_t flag1 = 0;
        double value1 = 0.0;
        double value2 = 0.0;
        double value3 = 0.0;
        double value4 = 0.0;
        template <class Io, class L>
        static void Transfer(Io& io, L& layer);
    };
    std::uint32_t version = 4;
    double startOffset = 0.0;
    double endOffset = 0.0;
    std::uint8_t flag = 0;
    std::uint32_t value = 0;
    std::uint32_t surface = 1;  // the surface kind plus one
    N4SectionTexture<Layer> texture;
};

// Format notes ("F_SectionDescriptor"): u32 1, u32 0, u32 version (4 or 5); startOffset and
// endOffset (f64 in version 4, f32 in version 5); u8 flag; u32; u32 surface; one section
// texture.
//
// References: those of the section texture, checked as N4SectionTexture says.
class N4FSection : public N4Node<N4FSection, ThreeDObjectFSection, N4FSectionFields> {
public:
    static constexpr const char* DescriptorName = "F_SectionDescriptor";
    using N4Node::N4Node;
    template <class Io, class F>
    static void Transfer(Io& io, F& fields);

    double GetStartOffset() const override { return fields.startOffset; }
    double GetEndOffset() const override { return fields.endOffset; }
    std::uint32_t GetSurface() const override { return fields.surface; }
};

}  // namespace Tessel::Papy
