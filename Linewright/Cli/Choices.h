#pragma once

#include "Linewright/LapList.h"

#include <string>
#include <vector>

namespace Tessel::Papy {
class RpyFile;
}

// The --lap and --type options of the commands that take one lap of a replay.
namespace Linewright::Cli {

// Empty when text is T:D:L or best; otherwise the message CLI11 shows.
std::string CheckLapSyntax(const std::string& text);

// A lap of the form's lap list: the one named, or the fastest (the first of equal times).
// Throws XUsage when the replay has no complete lap, or the named lap is not one of them.
LapRef ChooseLap(const Tessel::Papy::RpyFile& replay, const std::string& text);

// Only the game's types name an LP file, so an output named after one stays in its folder.
// Throws XUsage naming the known types when type is none of them.
void CheckType(const std::string& type, const std::vector<std::string>& types, const std::string& game);

}  // namespace Linewright::Cli
