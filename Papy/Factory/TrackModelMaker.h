#pragma once

#include "Papy/Factory/FileLocator.h"
#include "Papy/Factory/MakeTrack.h"

#include <map>

namespace Tessel::Papy {

// The common part of the makers of track models: the track file comes from the factory's
// file maker of kind FileKindT (which finds it loose or in the archive), and the game's model
// over it from Build. Tracks are kept by lower-cased file name until Purge; a track asked for
// with archiveOnly is neither taken from nor kept in that store.
template <class FileKindT, class FileT>
class TrackModelMaker : public MakeTrack {
public:
    TrackModelMaker(PapyDirectory directory, std::string defaultExtension, std::shared_ptr<FileKindT> fileMaker)
        : locator(std::move(directory), std::move(defaultExtension)), fileMaker(std::move(fileMaker)) {}

    std::shared_ptr<Track> Make(const std::string& baseName, const std::string& extension, bool archiveOnly) override {
        const std::string fileName = locator.GetFileName(baseName, extension);
        if (!archiveOnly) {
            if (const auto kept = cache.find(fileName); kept != cache.end())
                return kept->second;
        }
        auto track = Build(fileMaker->Make(baseName, extension, archiveOnly),
                           locator.GetDirectory().GetPath() + fileName);
        if (!archiveOnly)
            cache[fileName] = track;
        return track;
    }

    void Purge() override { cache.clear(); }

protected:
    // The game's track model over the file; path names the file in messages.
    virtual std::shared_ptr<Track> Build(std::shared_ptr<FileT> file, const std::string& path) = 0;

private:
    FileLocator locator;
    std::shared_ptr<FileKindT> fileMaker;
    std::map<std::string, std::shared_ptr<Track>> cache;
};

}  // namespace Tessel::Papy
