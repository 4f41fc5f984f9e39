#pragma once

#include "Papy/Factory/FileLocator.h"
#include "Papy/Factory/MakerCache.h"

namespace Tessel::Papy {

// The common part of the makers of files that lie loose in the factory's directory (replays,
// LP files): KindT is the facet role, FileT the file object it makes, and the game's reader
// comes from Read. Files are kept by lower-cased file name until Purge.
template <class KindT, class FileT>
class LooseFileMaker : public KindT {
public:
    LooseFileMaker(PapyDirectory directory, std::string defaultExtension)
        : locator(std::move(directory), std::move(defaultExtension)) {}

    std::shared_ptr<FileT> Make(const std::string& baseName, const std::string& extension) override {
        const std::string fileName = locator.GetFileName(baseName, extension);
        return cache.Find(fileName, [&] { return Read(Open(fileName)); });
    }

    void Purge() override { cache.Clear(); }

protected:
    // Builds the game's reader on the file's stream.
    virtual std::shared_ptr<FileT> Read(std::shared_ptr<Util::BinaryStream> stream) = 0;

    // The file's stream; throws as Make does when it is missing.
    std::shared_ptr<Util::BinaryStream> Open(const std::string& fileName) const {
        auto stream = locator.OpenLoose(fileName);
        if (!stream)
            locator.ThrowNotFound(fileName);
        return stream;
    }

    void Keep(std::shared_ptr<FileT> file, const std::string& baseName, const std::string& extension) {
        cache.Keep(locator.GetFileName(baseName, extension), std::move(file));
    }

    FileLocator locator;

private:
    MakerCache<FileT> cache;
};

}  // namespace Tessel::Papy
