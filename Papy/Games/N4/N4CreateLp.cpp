#include "Papy/Games/N4/N4CreateLp.h"

#include "Papy/Lp/N4LpFile.h"
#include "Util/PathName.h"

namespace Tessel::Papy {

std::shared_ptr<LpFile> N4CreateLp::Create(const std::string& typeName, double spacing) {
    auto lp = CreateForTrack(spacing, "", "");
    makeLp->Insert(lp, Util::ToLower(typeName), "");
    return lp;
}

std::shared_ptr<LpFile> N4CreateLp::CreateForTrack(double spacing, const std::string& trackBaseName,
                                                  const std::string& trackExtension) {
    return std::make_shared<N4LpFile>(makeTrack->Make(trackBaseName, trackExtension, false), spacing);
}

}  // namespace Tessel::Papy
