#pragma once

#include "Papy/Factory/FileLocator.h"
#include "Papy/Factory/MakerCache.h"

namespace Tessel::Papy {

// The common part of every track-side maker (MakeTrk, MakePtf, MakeTrack), whichever family:
// KindT is the facet role, FileT what it makes, and Open makes it. Files are kept by lower-cased
// file name until Purge; a file asked for with archiveOnly is neither taken from nor kept in
// that store.
template <class KindT, class FileT>
class TrackMaker : public KindT {
public:
    std::shared_ptr<FileT> Make(const std::string& baseName, const std::string& extension,
                                bool archiveOnly) override {
        const std::string fileName = locator.GetFileName(baseName, extension);
        if (archiveOnly)
            return Open(fileName, baseName, extension, true);
        return cache.Find(fileName, [&] { return Open(fileName, baseName, extension, false); });
    }

    void Purge() override { cache.Clear(); }

protected:
    TrackMaker(PapyDirectory directory, std::string defaultExtension)
        : locator(std::move(directory), std::move(defaultExtension)) {}

    // Makes the file called fileName (from baseName and extension) anew.
    virtual std::shared_ptr<FileT> Open(const std::string& fileName, const std::string& baseName,
                                        const std::string& extension, bool archiveOnly) = 0;

    FileLocator locator;

private:
    MakerCache<FileT> cache;
};

}  // namespace Tessel::Papy
