#include "Papy/Games/GPL/GPLCreateLp.h"

#include "Papy/Lp/GPLLpFile.h"
#include "Papy/Tracks/Track.h"
#include "Util/PathName.h"

namespace Tessel::Papy {

std::shared_ptr<LpFile> GPLCreateLp::Create(const std::string& typeName, double spacing) {
    auto lp = CreateFor(*makeTrack->Make("", "", false), spacing);
    makeLp->Insert(lp, Util::ToLower(typeName), "");
    return lp;
}

std::shared_ptr<LpFile> GPLCreateLp::CreateFor(const Track& track, double spacing) {
    return std::make_shared<GPLLpFile>(track, spacing);
}

}  // namespace Tessel::Papy
