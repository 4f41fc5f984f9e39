#pragma once

#include <string>

namespace Tessel::Papy {
class LpFile;
}

namespace Linewright {

// Writes lp to path atomically: the bytes go to a temporary file beside path that replaces it
// only once complete, so a failed write leaves an old file whole and no partial file behind.
// Without overwrite an existing file is kept and XFileExists thrown; other failures throw what
// ReplacingFile throws.
void WriteLpFile(const Tessel::Papy::LpFile& lp, const std::string& path, bool overwrite);

// "<path>.bak": where the file that an LP replaces is kept.
std::string GetBackupPath(const std::string& path);

// Copies the file at path, byte for byte, to GetBackupPath(path), replacing an older backup
// there (one level), and returns whether there was a file to keep. Before anything is copied,
// throws what ReplacingFile::CheckTarget throws when path may not be replaced; then what
// reading path and writing the backup throw.
bool KeepBackup(const std::string& path);

}  // namespace Linewright
