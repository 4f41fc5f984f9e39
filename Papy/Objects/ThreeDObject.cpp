#include "Papy/Objects/ThreeDObject.h"

#include "Papy/Objects/N4TdoFile.h"

namespace Tessel::Papy {

std::shared_ptr<ThreeDObject> ThreeDObject::GetNode(std::uint32_t referenceId) const {
    return file->GetObject(referenceId);
}

}  // namespace Tessel::Papy
