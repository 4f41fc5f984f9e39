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

}  // namespace Linewright
