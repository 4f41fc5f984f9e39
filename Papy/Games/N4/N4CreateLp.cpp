#include "Papy/Games/N4/N4CreateLp.h"

#include "Papy/Lp/N4LpFile.h"
#include "Util/PathName.h"

namespace Tessel::Papy {

std::shared_ptr<LpFile> N4CreateLp::Create(const std::string& typeName, double spacing) {
    auto lp = std::make_shared<N4LpFile>(makeTrack->Make("", "", false), spacing);
    makeLp->Insert(lp, Util::ToLower(typeName), "");
    return lp;
}

}  // namespace Tessel::Papy
