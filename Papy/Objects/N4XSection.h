#pragma once

#include "Papy/Objects/N4Node.h"
#include "Papy/Objects/ThreeDObjectXSection.h"

#include <array>
#include <cstdint>

namespace Tessel::Papy {

struct N4XSectionFields {
    struct SubRecord {
        std::uint8_t kind = 0;
        float first = 0.0f;  // kind 2 only
        float second = 0.0f;
        std::uint8_t third = 0;
        std::uint8_t fourth = 0;
    };
    std::uint32_t version = 2;
    double startOffset = 0.0;
    double startAltitude = 0.0;
    double startGrade = 0.0;
    double endOffset = 0.0;
    double endAltitude = 0.0;
    double endGrade = 0.0;
    std::array<SubRecord, 2> subRecords{};  // version 3 only
};

// Format notes ("X_SectionDescriptor"): u32 1, u32 0, u32 version (2 or 3); version 2: six f64
// startOffset, startAltitude, startGrade, endOffset, endAltitude, endGrade; version 3: the same
// six as f32, f64, f32, f32, f64, f32 (the floats widen to double); a u8 0; version 3 only: two
// sub-records, each a u8 kind (0: nothing more; 1: two u32 0; 2: two f32 and two u8).
class N4XSection : public N4Node<N4XSection, ThreeDObjectXSection, N4XSectionFields> {
public:
    static constexpr const char* DescriptorName = "X_SectionDescriptor";
    using N4Node::N4Node;
    template <class Io, class F>
    static void Transfer(Io& io, F& fields);

    double GetStartOffset() const override { return fields.startOffset; }
    double GetEndOffset() const override { return fields.endOffset; }
    void SetOffset(double start, double end) override;
    double GetStartAltitude() const override { return fields.startAltitude; }
    double GetEndAltitude() const override { return fields.endAltitude; }
    double GetStartGrade() const override { return fields.startGrade; }
    double GetEndGrade() const override { return fields.endGrade; }
    void SetAltitude(double startAltitude, double endAltitude, double startGrade, double endGrade) override;
};

}  // namespace Tessel::Papy
