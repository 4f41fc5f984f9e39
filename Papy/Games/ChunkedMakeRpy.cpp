#include "Papy/Games/ChunkedMakeRpy.h"

#include "Papy/Replays/GPLRpyFile.h"

namespace Tessel::Papy {

std::shared_ptr<RpyFile> ChunkedMakeRpy::Read(std::shared_ptr<Util::BinaryStream> stream) {
    return std::make_shared<GPLRpyFile>(*stream);
}

}  // namespace Tessel::Papy
