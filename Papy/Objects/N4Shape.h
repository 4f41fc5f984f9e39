#pragma once

#include "Papy/Objects/N4Node.h"
#include "Papy/Objects/ThreeDObjectShape.h"

#include <cstdint>
#include <string>

namespace Tessel::Papy {

struct N4ShapeFields {
    std::string name;
    std::uint32_t geometry = 0;    // a node of any kind (a geometry in the files seen), or null
    std::uint32_t appearance = 0;  // a node of any kind (an appearance in the files seen), or null
};

// Format notes ("ShapeDescriptor"): u32 1; string name; u32 1; u32 1; the geometry's record;
// the appearance's record.
//
// References: the format names the two but fixes no kind, and nothing here uses them beyond
// the accessors, so both take a node of any kind; the accessors give an empty handle for a
// node of another kind.
class N4Shape : public N4Node<N4Shape, ThreeDObjectShape, N4ShapeFields> {
public:
    static constexpr const char* DescriptorName = "ShapeDescriptor";
    using N4Node::N4Node;
    template <class Io, class F>
    static void Transfer(Io& io, F& fields);

    const std::string& GetName() const override { return fields.name; }
    std::shared_ptr<ThreeDObjectGeometry> GetGeometry() const override;
    std::shared_ptr<ThreeDObjectAppearance> GetAppearance() const override;
};

}  // namespace Tessel::Papy
