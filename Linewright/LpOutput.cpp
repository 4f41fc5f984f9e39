#include "Linewright/LpOutput.h"

#include "Papy/Lp/LpFile.h"
#include "Util/ReplacingFile.h"

namespace Linewright {

void WriteLpFile(const Tessel::Papy::LpFile& lp, const std::string& path, bool overwrite) {
    Tessel::Util::ReplacingFile file(path);
    // The stream belongs to file; the LP only borrows it for the write.
    lp.Write(std::shared_ptr<Tessel::Util::BinaryStream>(&file.GetStream(), [](Tessel::Util::BinaryStream*) {}));
    file.Commit(overwrite);
}

}  // namespace Linewright
