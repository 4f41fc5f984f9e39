#include "Linewright/CLinewrightDoc.h"

#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/MakeRpy.h"
#include "Papy/Factory/PapyDirectory.h"
#include "Papy/Replays/RpyFile.h"
#include "Util/Exception.h"
#include "Util/PathName.h"


namespace Linewright {

using namespace Tessel::Papy;

std::shared_ptr<RpyFile> CLinewrightDoc::ReadReplay(const std::string& path) {
    const auto replayFactory = FileFactoryRegistry::Instance().GetFactory(PapyDirectory(path).GetPath(), false);
    return replayFactory->GetFacet<MakeRpy>()->Make(Tessel::Util::PathName(path).baseName, "");
}

void CLinewrightDoc::OnOpenDocument(const std::string& path, const std::string& trackFile) {
    auto rpy = ReadReplay(path);
    std::string trackDirectory = trackFile.empty() ? GetTrackDirectoryPath(PapyDirectory(path), rpy->GetTrackName())
                                                   : PapyDirectory(trackFile).GetPath();
    // A missing directory would resolve to its nearest existing parent and lead the search for
    // the track elsewhere.
    std::shared_ptr<FileFactory> factory;
    if (Tessel::Util::IsFolder(trackDirectory))
        factory = FileFactoryRegistry::Instance().GetFactory(PapyDirectory(trackDirectory).GetPath(), false);
    // Only a complete open replaces what the document holds, so the lap list and the factory
    // always belong to the same replay.
    m_rpy = std::move(rpy);
    m_factory = std::move(factory);
    m_trackDirectory = std::move(trackDirectory);
    m_trackFile = trackFile;
}

std::shared_ptr<FileFactory> CLinewrightDoc::RequireTrackFactory() const {
    if (!m_rpy)
        throw Tessel::Util::XUsage("No replay is open");
    if (!m_factory)
        throw Tessel::Util::XUsage("The track folder " + m_trackDirectory + " was not found");
    return m_factory;
}

}  // namespace Linewright
