#include "Papy/Games/N2/ICR2MakeTrk.h"

#include "Papy/Tracks/Trk/ICR2TrkFile.h"

namespace Tessel::Papy {

std::shared_ptr<TrkFile> ICR2MakeTrk::Read(std::shared_ptr<Util::BinaryStream> stream) {
    return std::make_shared<ICR2TrkFile>(stream);
}

}  // namespace Tessel::Papy
