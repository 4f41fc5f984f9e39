#pragma once

#include "Papy/Objects/N4TdoFile.h"
#include "Papy/Objects/ThreeDObjectAppearance.h"
#include "Papy/Objects/ThreeDObjectTextureCoords.h"

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace Tessel::Papy {

// The texturing of a W or F section: a reference to an appearance and, when it is not null and
// the appearance has textures, a reference to texture coordinates and one layer per texture.
// Each layer starts with a u8 inherit; only when it is 0 do the layer's own values follow
// (an inheriting layer keeps zeros). The appearance must have no specular highlight and no
// other texture (see N4Appearance); its texture count and its two texture-function flags come
// from the appearance node, not from the section's record.
//
// References: the appearance must be an appearance and the texture coordinates texture
// coordinates ("N4 archive reference of the wrong kind" otherwise): the format says so, and
// the section queries its appearance.
template <class Layer>
struct N4SectionTexture {
    std::uint32_t appearance = 0;
    std::uint32_t textureCoords = 0;
    bool blended = false;    // copied from the appearance
    bool modulated = false;  // copied from the appearance
    std::vector<Layer> layers;
};

// section names the section kind in the messages ("N4 ptf WSection"). Layer::Transfer states a
// layer's fields after its inherit byte.
template <class Io, class Texture>
void TransferSectionTexture(Io& io, Texture& texture, const std::string& section) {
    io.template ReferenceOrNull<ThreeDObjectAppearance>(texture.appearance);
    std::uint32_t textureCount = 0;
    if (texture.appearance != 0) {
        const auto appearance =
            std::dynamic_pointer_cast<ThreeDObjectAppearance>(io.GetFile().GetObject(texture.appearance));
        io.Check(!appearance->HasSpecularHighlight(), (section + " with specular highlight").c_str());
        io.Check(!appearance->HasOtherTexture(), (section + " with other texture").c_str());
        textureCount = appearance->GetTextureCount();
        if constexpr (Io::Loading) {
            texture.blended = appearance->IsBlended();
            texture.modulated = appearance->IsModulated();
        }
        if (textureCount > 0)
            io.template ReferenceOrNull<ThreeDObjectTextureCoords>(texture.textureCoords);
    }
    // Nodes made in memory must give one layer per texture of their appearance.
    io.Check(Io::Loading || texture.layers.size() == textureCount, (section + " layer count mismatch").c_str());
    io.Elements(texture.layers, textureCount, 1, [&io](auto& layer) {
        io.Value(layer.inherit);
        if (layer.inherit == 0)
            std::decay_t<decltype(layer)>::Transfer(io, layer);
    });
}

}  // namespace Tessel::Papy
