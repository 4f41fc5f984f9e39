#include "Papy/Games/N4/N4MakePtf.h"

#include "Papy/Objects/N4DescriptorRegistry.h"
#include "Papy/Objects/N4TdoFile.h"

namespace Tessel::Papy {

std::shared_ptr<N4TdoFile> N4MakePtf::Read(std::shared_ptr<Util::BinaryStream> stream) {
    return std::make_shared<N4TdoFile>(stream, N4DescriptorRegistry(), directory);
}

}  // namespace Tessel::Papy
