#include "Linewright/CLinewrightDoc.h"

#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/MakeRpy.h"
#include "Papy/Factory/PapyDirectory.h"
#include "Papy/Replays/RpyFile.h"
#include "Util/PathName.h"

namespace Linewright {

using namespace Tessel::Papy;

std::shared_ptr<RpyFile> CLinewrightDoc::ReadReplay(const std::string& path) {
    const auto replayFactory = FileFactoryRegistry::Instance().GetFactory(PapyDirectory(path).GetPath(), false);
    return replayFactory->GetFacet<MakeRpy>()->Make(Tessel::Util::PathName(path).baseName, "");
}

void CLinewrightDoc::OnOpenDocument(const std::string& path) {
    auto rpy = ReadReplay(path);
    const PapyDirectory trackDirectory(GetTrackDirectoryPath(PapyDirectory(path), rpy->GetTrackName()));
    auto factory = FileFactoryRegistry::Instance().GetFactory(trackDirectory.GetPath(), false);
    // Only a complete open replaces what the document holds, so the lap list and the factory
    // always belong to the same replay.
    m_rpy = std::move(rpy);
    m_factory = std::move(factory);
}

}  // namespace Linewright
