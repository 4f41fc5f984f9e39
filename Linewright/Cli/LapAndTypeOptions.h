#pragma once

#include "Linewright/LapList.h"

#include <memory>
#include <string>
#include <vector>

namespace Tessel::Papy {
class FileFactory;
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

// A lap of a replay opened as the document opens it, with its track folder's factory.
struct LapInGameFolder {
    std::shared_ptr<Tessel::Papy::RpyFile> replay;
    std::shared_ptr<Tessel::Papy::FileFactory> trackFactory;
    LapRef lap;
};

// Opens the replay at replayPath, chooses the lap that lapText names (as ChooseLap) and checks
// that type is one of the track's game's LP types. Throws what opening the replay and its track
// folder throws, and what ChooseLap and CheckType throw.
LapInGameFolder ChooseLapInGameFolder(const std::string& replayPath, const std::string& lapText,
                                      const std::string& type);

}  // namespace Linewright::Cli
