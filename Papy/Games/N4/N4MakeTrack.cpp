#include "Papy/Games/N4/N4MakeTrack.h"

#include "Papy/Objects/N4TdoFile.h"
#include "Papy/Tracks/Ptf/PtfTrack.h"

namespace Tessel::Papy {

std::shared_ptr<Track> N4MakeTrack::Build(std::shared_ptr<N4TdoFile> file, const std::string& path) {
    return std::make_shared<PtfTrack>(std::move(file), path);
}

}  // namespace Tessel::Papy
