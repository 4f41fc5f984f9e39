#pragma once

#include "Papy/Archives/DatFile.h"

#include <filesystem>
#include <string>
#include <vector>

// Archive member names as the user sees them and as files below an extraction folder.
namespace Linewright::Cli {

// The name as it can be shown on a terminal: each control character as \xHH.
std::string EscapeMemberName(const std::string& name);

// Every member's path below an extraction folder (backslashes and slashes separate folders),
// checked before anything is written: XUsage naming archivePath and the member when a name is
// empty, absolute, starts with a drive letter, climbs out, holds a control character, or names
// the same file as an earlier one (compared without regard to case, as the games compare).
std::vector<std::filesystem::path> MemberPathsOf(const Tessel::Papy::DatFile& archive, const std::string& archivePath);

}  // namespace Linewright::Cli
