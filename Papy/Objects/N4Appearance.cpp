#include "Papy/Objects/N4Appearance.h"

#include "Papy/Objects/ThreeDObjectTexture2.h"

#include <algorithm>

namespace Tessel::Papy {

template <class Io, class F>
void N4Appearance::Transfer(Io& io, F& f) {
    io.Fixed(std::uint32_t{1}, "N4 3do Appearance reserved0 not 1");
    io.String(f.name);
    io.Fixed(std::uint32_t{2}, "N4 3do Appearance unsupported version");
    for (auto& texture : f.textures)
        io.template ReferenceOrNull<ThreeDObject>(texture);
    io.Value(f.specular);
    io.Value(f.colours);
    io.Value(f.textureFunction);
    const std::uint32_t function = f.textureFunction;
    io.Check(function <= 3 || function == 18 || function == 19, "N4 3do Appearance unknown texture function");
}

N4_NODE_TRANSFER(N4Appearance);

std::uint32_t N4Appearance::GetReferenceCount() const {
    return static_cast<std::uint32_t>(
        std::count_if(fields.textures.begin(), fields.textures.end(), [](std::uint32_t id) { return id != 0; }));
}

bool N4Appearance::HasSpecularHighlight() const {
    return std::any_of(fields.specular.begin(), fields.specular.end(), [](double value) { return value != 0.0; });
}

bool N4Appearance::HasOtherTexture() const {
    for (int entry = 0; entry < static_cast<int>(fields.textures.size()); ++entry) {
        if (entry != BaseEntry && entry != DetailEntry && entry != LightEntry && fields.textures[entry] != 0)
            return true;
    }
    return false;
}

std::shared_ptr<ThreeDObjectTexture2> N4Appearance::Texture(int entry) const {
    return Referenced<ThreeDObjectTexture2>(fields.textures[entry]);
}

}  // namespace Tessel::Papy
