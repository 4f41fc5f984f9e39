#include "Papy/Games/N2/ICR2CreateLp.h"

#include "Papy/Lp/ICR2LpFile.h"
#include "Util/PathName.h"

namespace Tessel::Papy {

std::shared_ptr<LpFile> ICR2CreateLp::Create(const std::string& typeName, double spacing) {
    auto lp = std::make_shared<ICR2LpFile>(makeTrk->Make("", "", false), spacing);
    makeLp->Insert(lp, Util::ToLower(typeName), "");
    return lp;
}

}  // namespace Tessel::Papy
