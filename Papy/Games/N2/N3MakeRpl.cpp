#include "Papy/Games/N2/N3MakeRpl.h"

#include "Papy/Replays/N3RplFile.h"

namespace Tessel::Papy {

std::shared_ptr<RpyFile> N3MakeRpl::Read(std::shared_ptr<Util::BinaryStream> stream) {
    return std::make_shared<N3RplFile>(*stream);
}

}  // namespace Tessel::Papy
