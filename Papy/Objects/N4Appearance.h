#pragma once

#include "Papy/Objects/N4Node.h"
#include "Papy/Objects/ThreeDObjectAppearance.h"

#include <array>
#include <cstdint>
#include <string>

namespace Tessel::Papy {

struct N4AppearanceFields {
    std::string name;
    std::array<std::uint32_t, 7> textures{};  // nodes of any kind, or null
    std::array<double, 3> specular{};         // the specular colour
    std::array<double, 9> colours{};
    std::uint32_t textureFunction = 0;
};

// Format notes ("AppearanceDescriptor"): u32 1; string name; u32 version 2; seven texture
// references; three f64 (the specular colour); nine f64; u32 texture function (0 to 3, 18 or 19).
//
// References: the format fixes no kind for the seven entries, and files name other nodes there
// (texture coordinates among them), so each entry takes a node of any kind and saves it back
// as read. The named-texture accessors give an empty handle for an entry of another kind.
//
// The entries 1, 3 and 6 (counted from 1) are the named textures: base, detail and light. The
// queries of the track sections map onto the record thus:
// - a specular highlight: any of the three specular values is not 0;
// - an other texture: any of the four unnamed entries (2, 4, 5, 7) is not null;
// - the texture count: the number of non-null entries among all seven (referenceCount);
// - the two copied flags: blended (texture function 18 or 19) and modulated (an odd texture
//   function: 1, 3 or 19).
class N4Appearance : public N4Node<N4Appearance, ThreeDObjectAppearance, N4AppearanceFields> {
public:
    static constexpr const char* DescriptorName = "AppearanceDescriptor";
    using N4Node::N4Node;
    template <class Io, class F>
    static void Transfer(Io& io, F& fields);

    const std::string& GetName() const override { return fields.name; }
    std::shared_ptr<ThreeDObjectTexture2> GetBaseTexture() const override { return Texture(BaseEntry); }
    std::shared_ptr<ThreeDObjectTexture2> GetDetailTexture() const override { return Texture(DetailEntry); }
    std::shared_ptr<ThreeDObjectTexture2> GetLightTexture() const override { return Texture(LightEntry); }
    std::uint32_t GetReferenceCount() const override;
    std::uint32_t GetTextureFunction() const override { return fields.textureFunction; }

    bool HasSpecularHighlight() const override;
    bool HasOtherTexture() const override;
    std::uint32_t GetTextureCount() const override { return GetReferenceCount(); }
    bool IsBlended() const override { return fields.textureFunction >= 18; }
    bool IsModulated() const override { return fields.textureFunction % 2 == 1; }

private:
    static constexpr int BaseEntry = 0;
    static constexpr int DetailEntry = 2;
    static constexpr int LightEntry = 5;

    std::shared_ptr<ThreeDObjectTexture2> Texture(int entry) const;
};

}  // namespace Tessel::Papy
