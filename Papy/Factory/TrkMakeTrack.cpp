#include "Papy/Factory/TrkMakeTrack.h"

#include "Papy/Tracks/Trk/TrkTrack.h"

namespace Tessel::Papy {

std::shared_ptr<Track> TrkMakeTrack::Make(const std::string& baseName, const std::string& extension,
                                          bool archiveOnly) {
    const std::string fileName = locator.GetFileName(baseName, extension);
    if (!archiveOnly) {
        if (const auto kept = cache.find(fileName); kept != cache.end())
            return kept->second;
    }
    auto track = std::make_shared<TrkTrack>(makeTrk->Make(baseName, extension, archiveOnly));
    if (!archiveOnly)
        cache[fileName] = track;
    return track;
}

}  // namespace Tessel::Papy
