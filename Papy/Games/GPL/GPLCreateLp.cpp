#include "Papy/Games/GPL/GPLCreateLp.h"

#include "Papy/Lp/GPLLpFile.h"
#include "Util/PathName.h"

namespace Tessel::Papy {

std::shared_ptr<LpFile> GPLCreateLp::Create(const std::string& typeName, double spacing) {
    auto lp = std::make_shared<GPLLpFile>(makeTrk->Make("", "", false), spacing);
    makeLp->Insert(lp, Util::ToLower(typeName), "");
    return lp;
}

}  // namespace Tessel::Papy
