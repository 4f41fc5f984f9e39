#include "Papy/Games/GPL/GPLCreateLp.h"

#include "Papy/Lp/GPLLpFile.h"
#include "Util/PathName.h"

namespace Tessel::Papy {

std::shared_ptr<LpFile> GPLCreateLp::Create(const std::string& typeName, double spacing) {
    auto lp = CreateForTrack(spacing, "", "");
    makeLp->Insert(lp, Util::ToLower(typeName), "");
    return lp;
}

std::shared_ptr<LpFile> GPLCreateLp::CreateForTrack(double spacing, const std::string& trackBaseName,
                                                  const std::string& trackExtension) {
    return std::make_shared<GPLLpFile>(makeTrk->Make(trackBaseName, trackExtension, false), spacing);
}

}  // namespace Tessel::Papy
