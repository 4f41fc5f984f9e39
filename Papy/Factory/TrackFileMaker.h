#pragma once

#include "Papy/Archives/DatFile.h"
#include "Papy/Factory/FileLocator.h"
#include "Papy/Factory/GetDat.h"

#include "Util/Exception.h"

#include <map>

namespace Tessel::Papy {

// The common part of the makers of track files (TRK, PTF), which lie loose in the factory's
// directory or inside its archive: KindT is the facet kind, FileT the file object it makes,
// and the game's reader comes from Read. The archive is asked through the factory's GetDat
// facet, so a replaced archive is seen at once. Files are kept by lower-cased file name until
// Purge; a file asked for with archiveOnly is neither taken from nor kept in that store.
template <class KindT, class FileT>
class TrackFileMaker : public KindT {
public:
    TrackFileMaker(PapyDirectory directory, std::shared_ptr<GetDat> archive, std::string defaultExtension)
        : locator(std::move(directory), std::move(defaultExtension)), archive(std::move(archive)) {}

    std::shared_ptr<FileT> Make(const std::string& baseName, const std::string& extension,
                                bool archiveOnly) override {
        const std::string fileName = locator.GetFileName(baseName, extension);
        if (archiveOnly)
            return Open(fileName, true);
        if (const auto kept = cache.find(fileName); kept != cache.end())
            return kept->second;
        auto file = Open(fileName, false);
        cache[fileName] = file;
        return file;
    }

    void Purge() override { cache.clear(); }

protected:
    // Builds the game's reader on the file's stream.
    virtual std::shared_ptr<FileT> Read(std::shared_ptr<Util::BinaryStream> stream) = 0;

private:
    std::shared_ptr<FileT> Open(const std::string& fileName, bool archiveOnly) {
        std::shared_ptr<Util::BinaryStream> stream;
        if (!archiveOnly)
            stream = locator.OpenLoose(fileName);
        if (const auto held = archive->Get(); !stream && held)
            stream = held->FindMember(fileName);
        if (!stream)
            throw Util::XFileOpen(locator.GetDirectory().GetPath() + fileName, "File not found");
        return Read(std::move(stream));
    }

    FileLocator locator;
    std::shared_ptr<GetDat> archive;
    std::map<std::string, std::shared_ptr<FileT>> cache;
};

}  // namespace Tessel::Papy
