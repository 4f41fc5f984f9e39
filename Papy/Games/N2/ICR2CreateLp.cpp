#include "Papy/Games/N2/ICR2CreateLp.h"

#include "Papy/Lp/ICR2LpFile.h"
#include "Papy/Tracks/Track.h"
#include "Util/PathName.h"

namespace Tessel::Papy {

std::shared_ptr<LpFile> ICR2CreateLp::Create(const std::string& typeName, double spacing) {
    auto lp = CreateFor(*makeTrack->Make("", "", false), spacing);
    makeLp->Insert(lp, Util::ToLower(typeName), "");
    return lp;
}

std::shared_ptr<LpFile> ICR2CreateLp::CreateFor(const Track& track, double spacing) {
    return std::make_shared<ICR2LpFile>(track, spacing);
}

}  // namespace Tessel::Papy
