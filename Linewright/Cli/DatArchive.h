#pragma once

#include "Papy/Archives/DatFile.h"

#include <memory>
#include <string>

namespace Linewright::Cli {

// Opens a DAT archive read-only in the given format ("icr2" or "n4"), or with an empty format in
// the one its first bytes show (an N4 header first, then an ICR2 one). Throws the reader's
// exceptions (XFileOpen when the file cannot be opened), and XUsage when it looks like neither.
std::shared_ptr<Tessel::Papy::DatFile> OpenDatArchive(const std::string& path, const std::string& format = "");

}  // namespace Linewright::Cli
