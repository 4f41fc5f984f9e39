#include "Papy/Games/N4/N4MakeLp.h"

#include "Papy/Lp/N4LpFile.h"

namespace Tessel::Papy {

std::shared_ptr<LpFile> N4MakeLp::Read(std::shared_ptr<Util::BinaryStream> stream) {
    return std::make_shared<N4LpFile>(stream);
}

}  // namespace Tessel::Papy
