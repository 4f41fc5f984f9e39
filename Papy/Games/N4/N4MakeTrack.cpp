#include "Papy/Games/N4/N4MakeTrack.h"

#include "Papy/Objects/N4TdoFile.h"
#include "Papy/Tracks/Ptf/PtfTrack.h"

namespace Tessel::Papy {

// The path names the file in the track's messages.
std::shared_ptr<Track> N4MakeTrack::Open(const std::string& fileName, const std::string& baseName,
                                         const std::string& extension, bool archiveOnly) {
    return std::make_shared<PtfTrack>(makePtf->Make(baseName, extension, archiveOnly),
                                      locator.GetDirectory().GetPath() + fileName);
}

}  // namespace Tessel::Papy
