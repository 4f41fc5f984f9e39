#include "Papy/Games/N2/ICR2MakeLp.h"

#include "Papy/Lp/ICR2LpFile.h"

namespace Tessel::Papy {

std::shared_ptr<LpFile> ICR2MakeLp::Read(std::shared_ptr<Util::BinaryStream> stream) {
    return std::make_shared<ICR2LpFile>(stream);
}

}  // namespace Tessel::Papy
