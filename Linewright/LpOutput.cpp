#include "Linewright/LpOutput.h"

#include "Papy/Lp/LpFile.h"
#include "Util/BinaryFile.h"
#include "Util/InputFiles.h"
#include "Util/PathName.h"
#include "Util/ReplacingFile.h"

namespace Linewright {

void WriteLpFile(const Tessel::Papy::LpFile& lp, const std::string& path, bool overwrite) {
    Tessel::Util::ReplacingFile file(path);
    // The stream belongs to file; the LP only borrows it for the write.
    lp.Write(std::shared_ptr<Tessel::Util::BinaryStream>(&file.GetStream(), [](Tessel::Util::BinaryStream*) {}));
    file.Commit(overwrite);
}

std::string GetBackupPath(const std::string& path) { return path + ".bak"; }

bool KeepBackup(const std::string& path) {
    using namespace Tessel::Util;
    ReplacingFile::CheckTarget(path, true);
    if (!IsFile(path))
        return false;
    const std::string bytes = BinaryFile::ReadWhole(path);
    // Read only to be kept: the file stays what the new LP replaces.
    ForgetInputFile(path);
    ReplacingFile backup(GetBackupPath(path));
    backup.GetStream().Write(static_cast<std::uint32_t>(bytes.size()), bytes.data());
    backup.Commit(true);
    return true;
}

}  // namespace Linewright
