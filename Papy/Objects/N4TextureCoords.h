#pragma once

#include "Papy/Objects/N4Node.h"
#include "Papy/Objects/ThreeDObjectTextureCoords.h"

#include <array>
#include <cstdint>
#include <vector>

namespace Tessel::Papy {

struct N4TextureCoordsFields {
    std::uint32_t vertexCount = 0;
    std::vector<double> us;  // empty, or one per vertex
    std::vector<double> vs;  // as many as us
    std::array<std::vector<double>, 22> more;  // each empty or one per vertex
};

// Format notes ("TextureCoordsDescriptor"): u32 1, u32 0, u32 1, u32 vertex count n, u32 3;
// then arrays, each a byte count and that many bytes of f64: the u values (0 or n × 8 bytes),
// the v values (n × 8 bytes when there are u values, else 0) and 22 more (0 or n × 8 bytes).
class N4TextureCoords : public N4Node<N4TextureCoords, ThreeDObjectTextureCoords, N4TextureCoordsFields> {
public:
    static constexpr const char* DescriptorName = "TextureCoordsDescriptor";
    using N4Node::N4Node;
    template <class Io, class F>
    static void Transfer(Io& io, F& fields);

    std::uint32_t GetVertexCount() const override { return fields.vertexCount; }
    const std::vector<double>& GetUs() const override { return fields.us; }
    const std::vector<double>& GetVs() const override { return fields.vs; }
};

}  // namespace Tessel::Papy
