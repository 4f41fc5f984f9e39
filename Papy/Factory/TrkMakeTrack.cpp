#include "Papy/Factory/TrkMakeTrack.h"

#include "Papy/Tracks/Trk/TrkTrack.h"

namespace Tessel::Papy {

std::shared_ptr<Track> TrkMakeTrack::Open(const std::string&, const std::string& baseName,
                                          const std::string& extension, bool archiveOnly) {
    return std::make_shared<TrkTrack>(makeTrk->Make(baseName, extension, archiveOnly));
}

}  // namespace Tessel::Papy
