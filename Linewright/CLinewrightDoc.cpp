#include "Linewright/CLinewrightDoc.h"

#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/MakeRpy.h"
#include "Papy/Factory/PapyDirectory.h"
#include "Papy/Replays/RpyFile.h"
#include "Util/PathName.h"

namespace Linewright {

using namespace Tessel::Papy;

void CLinewrightDoc::OnOpenDocument(const std::string& path) {
    FileFactoryRegistry& registry = FileFactoryRegistry::Instance();
    const PapyDirectory replayDirectory(path);
    const auto replayFactory = registry.GetFactory(replayDirectory.GetPath(), false);
    auto rpy = replayFactory->GetFacet<MakeRpy>()->Make(Tessel::Util::PathName(path).baseName, "");
    const PapyDirectory trackDirectory(GetTrackDirectoryPath(replayDirectory, rpy->GetTrackName()));
    auto factory = registry.GetFactory(trackDirectory.GetPath(), false);
    // Only a complete open replaces what the document holds, so the lap list and the factory
    // always belong to the same replay.
    m_rpy = std::move(rpy);
    m_factory = std::move(factory);
}

}  // namespace Linewright
