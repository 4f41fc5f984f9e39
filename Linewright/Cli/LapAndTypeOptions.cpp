#include "Linewright/Cli/LapAndTypeOptions.h"

#include "Linewright/CLinewrightDoc.h"
#include "Linewright/TrackDirectoryLps.h"
#include "Util/Exception.h"

#include <algorithm>
#include <optional>
#include <sstream>

namespace Linewright::Cli {

namespace {

std::optional<LapRef> ParseLap(const std::string& text) {
    std::istringstream in(text);
    LapRef lap;
    char colon1 = 0, colon2 = 0;
    in >> std::noskipws >> lap.table >> colon1 >> lap.driver >> colon2 >> lap.lap;
    if (!in || colon1 != ':' || colon2 != ':' || in.peek() != std::char_traits<char>::eof())
        return std::nullopt;
    return lap;
}

}  // namespace

std::string CheckLapSyntax(const std::string& text) {
    if (text == "best" || ParseLap(text))
        return {};
    return "--lap takes T:D:L (lap table, driver and lap, from 0) or best";
}

LapRef ChooseLap(const Tessel::Papy::RpyFile& replay, const std::string& text) {
    const std::vector<LapListEntry> laps = ListCompleteLaps(replay);
    if (text == "best") {
        const auto fastest = FindFastestLap(laps);
        if (!fastest)
            throw Tessel::Util::XUsage("The replay holds no complete lap");
        return laps[*fastest].lap;
    }
    const LapRef wanted = *ParseLap(text);
    const bool listed = std::any_of(laps.begin(), laps.end(), [&](const LapListEntry& entry) { return entry.lap == wanted; });
    if (!listed)
        throw Tessel::Util::XUsage("Lap " + text + " is not a complete lap of the replay");
    return wanted;
}

void CheckType(const std::string& type, const std::vector<std::string>& types, const std::string& game) {
    if (std::find(types.begin(), types.end(), type) != types.end())
        return;
    std::string known;
    for (const std::string& name : types)
        known += " " + name;
    throw Tessel::Util::XUsage("Unknown LP type " + type + "; " + game + " has" + known);
}

LapInGameFolder ChooseLapInGameFolder(const std::string& replayPath, const std::string& lapText,
                                      const std::string& type) {
    CLinewrightDoc document;
    document.OnOpenDocument(replayPath);
    LapInGameFolder chosen{document.GetRpy(), document.RequireTrackFactory(), {}};
    chosen.lap = ChooseLap(*chosen.replay, lapText);
    CheckType(type, ListLpTypes(*chosen.trackFactory), "the track's game");
    return chosen;
}

}  // namespace Linewright::Cli
