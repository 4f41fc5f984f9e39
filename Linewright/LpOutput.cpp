#include "Linewright/LpOutput.h"

#include "Papy/Lp/LpFile.h"
#include "Util/BinaryFile.h"
#include "Util/Exception.h"
#include "Util/InputFiles.h"
#include "Util/PathName.h"
#include "Util/ReplacingFile.h"

#include <limits>
#include <vector>

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
    std::vector<char> bytes;
    {
        const auto old = BinaryFile::OpenRead(path);
        const std::uint64_t size = old->GetSize();
        if (size > std::numeric_limits<std::uint32_t>::max())
            throw XFileRead(old->GetName());
        bytes.resize(size);
        old->Read(static_cast<std::uint32_t>(bytes.size()), bytes.data());
    }
    // Read only to be kept: the file stays what the new LP replaces.
    ForgetInputFile(path);
    ReplacingFile backup(GetBackupPath(path));
    backup.GetStream().Write(static_cast<std::uint32_t>(bytes.size()), bytes.data());
    backup.Commit(true);
    return true;
}

}  // namespace Linewright
