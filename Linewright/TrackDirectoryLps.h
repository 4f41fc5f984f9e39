#pragma once

#include "Linewright/LapList.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Tessel::Papy {
class FileFactory;
class LpFile;
class RpyFile;
class Track;
}  // namespace Tessel::Papy

// What both front ends do with the factory of a replay's track directory: list the LP types,
// count the records of an LP, create and fill a new LP and say where it goes.
namespace Linewright {

// The LP type that heads every list: the player's own working line.
inline constexpr const char* workLpType = "work";

// The track of the directory: the track file named after the directory, or, when trackPath is
// not empty, the track file at trackPath, which lies in the directory whatever it is called.
// Throws what the factory's MakeTrack facet throws (XFileOpen "File not found" when the file
// is missing).
std::shared_ptr<Tessel::Papy::Track> MakeTrackOfDirectory(Tessel::Papy::FileFactory& trackFactory,
                                                          const std::string& trackPath = "");

// "work", then the game's LP types in the game's order.
std::vector<std::string> ListLpTypes(Tessel::Papy::FileFactory& trackFactory);

// What the form shows once a replay is open: the track of the directory is opened (so a missing
// or faulty track file fails here, with its own message), the LP types listed, and the record
// count of a scratch LP at the format's default spacing. trackPath as for MakeTrackOfDirectory.
// Throws what those steps throw.
struct TrackLpSummary {
    std::vector<std::string> types;
    std::uint32_t records = 0;
};
TrackLpSummary SummarizeTrackLps(Tessel::Papy::FileFactory& trackFactory, const std::string& trackPath = "");

// <track directory>/<type>.lp.
std::string GetLpOutputPath(Tessel::Papy::FileFactory& trackFactory, const std::string& type);

// A new LP of type at the format's default spacing for the directory's track (or the one at
// trackPath, as ConvertForTrackFile), filled from the lap of the replay. Throws what creating
// the LP, opening the track and ConvertLap throw.
std::shared_ptr<Tessel::Papy::LpFile> ConvertToNewLp(Tessel::Papy::FileFactory& trackFactory,
                                                     const Tessel::Papy::RpyFile& replay, const LapRef& lap,
                                                     const std::string& type, const std::string& trackPath = "");

// A new LP at the format's default spacing for the track file at trackPath, which lies in the
// factory's directory whatever it is called, filled from the lap of the replay and kept
// nowhere. Throws what opening the track, creating the LP and ConvertLap throw.
std::shared_ptr<Tessel::Papy::LpFile> ConvertForTrackFile(Tessel::Papy::FileFactory& trackFactory,
                                                          const std::string& trackPath,
                                                          const Tessel::Papy::RpyFile& replay, const LapRef& lap);

}  // namespace Linewright
