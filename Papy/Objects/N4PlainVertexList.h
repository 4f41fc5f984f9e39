#pragma once

#include "Papy/Objects/N4Node.h"
#include "Papy/Objects/ThreeDObjectVertices.h"

#include <array>
#include <cstdint>
#include <vector>

namespace Tessel::Papy {

struct N4PlainVertexListFields {
    using Values = std::vector<double>;  // empty, or one value per vertex
    std::uint32_t vertexCount = 0;
    std::array<Values, 3> coordinates;
    std::array<Values, 3> more;
    std::array<Values, 2> firstTextureSet;  // u and v; no v values without u values
    std::array<Values, 18> further;
    std::array<Values, 2> secondTextureSet;
    std::array<Values, 22> last;
};

// Format notes ("PlainVertexListDescriptor"): u32 1, u32 0, u32 version 1, u32 1, u32 vertex
// count n; three arrays (the coordinates); u32 0; three arrays; u32 3; the first texture set
// (u and v arrays); eighteen arrays; the second texture set; twenty-two arrays. Every array is
// a byte count and that many bytes of f64, either none or one per vertex.
class N4PlainVertexList : public N4Node<N4PlainVertexList, ThreeDObjectVertices, N4PlainVertexListFields> {
public:
    static constexpr const char* DescriptorName = "PlainVertexListDescriptor";
    using N4Node::N4Node;
    template <class Io, class F>
    static void Transfer(Io& io, F& fields);

    std::uint32_t GetVertexCount() const override { return fields.vertexCount; }
    const std::vector<double>& GetCoordinates(int axis) const override;
};

}  // namespace Tessel::Papy
