#include "Papy/Objects/ThreeDObject.h"

#include "Papy/Objects/N4TdoFile.h"
#include "Util/Exception.h"

namespace Tessel::Papy {

void ThreeDObject::CheckIndex(std::uint32_t index, std::size_t count) { TESSEL_CHECK(index < count); }

std::shared_ptr<ThreeDObject> ThreeDObject::GetNode(std::uint32_t referenceId) const {
    return file->GetObject(referenceId);
}

}  // namespace Tessel::Papy
