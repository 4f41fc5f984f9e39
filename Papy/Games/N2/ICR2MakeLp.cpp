#include "Papy/Games/N2/ICR2MakeLp.h"

#include "Papy/Lp/ICR2LpFile.h"

namespace Tessel::Papy {

std::string ICR2MakeLp::GetTypeName(std::uint32_t i) const {
    TESSEL_CHECK(i < GetTypeCount());
    return TypeNames[i];
}

std::shared_ptr<LpFile> ICR2MakeLp::Read(std::shared_ptr<Util::BinaryStream> stream) {
    return std::make_shared<ICR2LpFile>(stream);
}

}  // namespace Tessel::Papy
