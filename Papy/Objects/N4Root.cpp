#include "Papy/Objects/N4Root.h"

#include "Papy/Objects/N4Archiver.h"
#include "Papy/Objects/N4TdoFile.h"
#include "Util/Exception.h"

namespace Tessel::Papy {

std::shared_ptr<ThreeDObject> N4Root::GetChild(std::uint32_t index) const {
    TESSEL_CHECK(index < children.size());
    return Referenced<ThreeDObject>(children[index]);
}

void N4Root::Save(N4Archiver& archiver) const {
    for (const std::uint32_t child : children)
        archiver.SaveObject(*GetFile().GetObject(child));
}

}  // namespace Tessel::Papy
