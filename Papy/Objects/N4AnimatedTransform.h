#pragma once

#include "Papy/Objects/N4Node.h"
#include "Papy/Objects/ThreeDObjectAnimatedTransform.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace Tessel::Papy {

struct N4AnimatedTransformFields {
    using State = std::array<std::uint32_t, 8>;  // in memory order
    std::string name;
    std::array<double, 6> transform{};  // in memory order
    std::uint32_t child = 0;            // a node of any kind, or null
    std::string name2;
    std::vector<State> states;
};

// Format notes ("AnimatedTransformDescriptor"): u32 1; string name; u32 1; u32 1; twelve u32 0;
// u32 1; six f64 t0, t2, t1, t3, t4, t5; the child's record; u32 1; string name2; u32 count n;
// u32 byte count n × 32; n states of eight 4-byte values s0, s1, s3, s2, s4, s5, s6, s7.
//
// References: the child is a node of any kind, or null; the format fixes none.
class N4AnimatedTransform
    : public N4Node<N4AnimatedTransform, ThreeDObjectAnimatedTransform, N4AnimatedTransformFields> {
public:
    static constexpr const char* DescriptorName = "AnimatedTransformDescriptor";
    using N4Node::N4Node;
    template <class Io, class F>
    static void Transfer(Io& io, F& fields);

    const std::string& GetName() const override { return fields.name; }
    const std::string& GetName2() const override { return fields.name2; }
    const std::array<double, 6>& GetTransform() const override { return fields.transform; }
    std::shared_ptr<ThreeDObject> GetChild() const override { return Referenced<ThreeDObject>(fields.child); }
    std::uint32_t GetStateCount() const override { return static_cast<std::uint32_t>(fields.states.size()); }
};

}  // namespace Tessel::Papy
