#include "Papy/Factory/TrkMakeTrack.h"

#include "Papy/Tracks/Trk/TrkTrack.h"

namespace Tessel::Papy {

std::shared_ptr<Track> TrkMakeTrack::Build(std::shared_ptr<TrkFile> file, const std::string&) {
    return std::make_shared<TrkTrack>(std::move(file));
}

}  // namespace Tessel::Papy
