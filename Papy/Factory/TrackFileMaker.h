#pragma once

#include "Papy/Archives/DatFile.h"
#include "Papy/Factory/GetDat.h"
#include "Papy/Factory/TrackMaker.h"

#include "Util/Exception.h"

namespace Tessel::Papy {

// The common part of the makers of track files (TRK, PTF), which lie loose in the factory's
// directory or inside its archive: KindT is the facet role, FileT the file object it makes,
// and the game's reader comes from Read. The archive is asked through the factory's GetDat
// facet, so a replaced archive is seen at once. Keeping as TrackMaker keeps.
template <class KindT, class FileT>
class TrackFileMaker : public TrackMaker<KindT, FileT> {
public:
    TrackFileMaker(PapyDirectory directory, std::shared_ptr<GetDat> archive, std::string defaultExtension)
        : TrackMaker<KindT, FileT>(std::move(directory), std::move(defaultExtension)), archive(std::move(archive)) {}

protected:
    // Builds the game's reader on the file's stream.
    virtual std::shared_ptr<FileT> Read(std::shared_ptr<Util::BinaryStream> stream) = 0;

private:
    std::shared_ptr<FileT> Open(const std::string& fileName, const std::string&, const std::string&,
                                bool archiveOnly) override {
        const FileLocator& locator = this->locator;
        std::shared_ptr<Util::BinaryStream> stream;
        if (!archiveOnly)
            stream = locator.OpenLoose(fileName);
        if (const auto held = archive->Get(); !stream && held)
            stream = held->FindMember(fileName);
        if (!stream)
            throw Util::XFileOpen(locator.GetDirectory().GetPath() + fileName, "File not found");
        return Read(std::move(stream));
    }

    std::shared_ptr<GetDat> archive;
};

}  // namespace Tessel::Papy
