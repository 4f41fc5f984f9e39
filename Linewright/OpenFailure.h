#pragma once

#include <string>

namespace Tessel::Util {
class Exception;
}

namespace Linewright {

// A second line for a failure to open a replay, in a player's words, below the system's own
// text: a replay that ends early is incomplete or damaged, a file of another kind is no replay,
// a missing track file was looked for loose and in the track folder's archive. Empty when the
// text says it all. replayRead tells whether the replay itself had been read when it failed.
std::string ExplainOpenFailure(const Tessel::Util::Exception& failure, bool replayRead);

// Whether the failure is the replay's track folder or track file missing, which a track file
// chosen elsewhere can stand in for.
bool IsTrackMissing(const Tessel::Util::Exception& failure, bool replayRead);

}  // namespace Linewright
