#include "Papy/Games/GPL/GPLMakeLp.h"

#include "Papy/Lp/GPLLpFile.h"

namespace Tessel::Papy {

std::uint32_t GPLMakeLp::GetTypeCount() const { return TypeNames.size(); }

std::string GPLMakeLp::GetTypeName(std::uint32_t i) const {
    TESSEL_CHECK(i < GetTypeCount());
    return TypeNames[i];
}

std::shared_ptr<LpFile> GPLMakeLp::Read(std::shared_ptr<Util::BinaryStream> stream) {
    auto track = makeTrk->Make("", "", false);
    return std::make_shared<GPLLpFile>(stream, track);
}

}  // namespace Tessel::Papy
