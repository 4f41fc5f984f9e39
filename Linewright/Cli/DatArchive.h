#pragma once

#include "Papy/Archives/DatFile.h"
#include "Papy/Factory/FileKind.h"

#include <memory>
#include <string>
#include <vector>

namespace Linewright::Cli {

// The archive formats that the games read, in the games' order; what `dat --format` and
// `dat create` choose among.
std::vector<Tessel::Papy::FileKind> ListArchiveFormats();
// Their ids ("icr2", "n4", ...).
std::vector<std::string> ListArchiveFormatIds();
// The archive format with this id; breaks an assertion for an id that ListArchiveFormatIds
// does not hold.
const Tessel::Papy::ArchiveFormat& GetArchiveFormat(const std::string& id);

// Opens a DAT archive read-only in the given format (an id of ListArchiveFormatIds), or with an
// empty format in the first one whose head test its first bytes pass, in recognition order.
// Throws the reader's exceptions (XFileOpen when the file cannot be opened), and XUsage when it
// looks like none.
std::shared_ptr<Tessel::Papy::DatFile> OpenDatArchive(const std::string& path, const std::string& format = "");

}  // namespace Linewright::Cli
