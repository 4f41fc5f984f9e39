#pragma once

#include "Papy/Objects/N4Node.h"
#include "Papy/Objects/ThreeDObjectTexture2.h"

#include <cstdint>
#include <string>

namespace Tessel::Papy {

struct N4TextureFields {
    std::uint32_t version = 2;
    std::string fileName;
    std::uint8_t shared = 0;  // version 2
};

// Format notes ("TextureDescriptor"): u32 1, u32 0, u32 version (1 or 2); string fileName;
// version 2: u8 shared.
class N4Texture : public N4Node<N4Texture, ThreeDObjectTexture2, N4TextureFields> {
public:
    static constexpr const char* DescriptorName = "TextureDescriptor";
    using N4Node::N4Node;
    template <class Io, class F>
    static void Transfer(Io& io, F& fields);

    std::uint32_t GetVersion() const override { return fields.version; }
    const std::string& GetFileName() const override { return fields.fileName; }
    bool IsShared() const override { return fields.shared != 0; }
    void SetShared(bool shared) override;
};

}  // namespace Tessel::Papy
