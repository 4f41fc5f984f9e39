#include "Papy/Games/GPL/GPLMakeTrk.h"

#include "Papy/Tracks/Trk/GPLTrkFile.h"

namespace Tessel::Papy {

std::shared_ptr<TrkFile> GPLMakeTrk::Read(std::shared_ptr<Util::BinaryStream> stream) {
    return std::make_shared<GPLTrkFile>(stream);
}

}  // namespace Tessel::Papy
