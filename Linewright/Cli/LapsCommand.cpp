#include "Linewright/CLinewrightDoc.h"
#include "Linewright/Cli/Commands.h"
#include "Linewright/LapList.h"
#include "Linewright/TrackLp.h"
#include "Papy/Replays/RpyFile.h"
#include "Util/Exception.h"

#include <iostream>
#include <optional>

namespace Linewright::Cli {

namespace {

// The LP types and record count, or nothing when the track cannot be opened; the reason then
// goes to standard error.
std::optional<TrackLpSummary> TrySummarizeTrack(const CLinewrightDoc& document) {
    try {
        return SummarizeTrackLps(*document.RequireTrackFactory());
    } catch (const Tessel::Util::Exception& error) {
        PrintFailure(error.GetMessageText());
    } catch (const std::exception& error) {
        PrintFailure(error.what());
    }
    return std::nullopt;
}

// Prints what the form shows after opening the replay; the laps even when the track fails.
void PrintLaps(const std::string& path, std::ostream& out) {
    CLinewrightDoc document;
    document.OnOpenDocument(path);
    const auto replay = document.GetRpy();
    const std::optional<TrackLpSummary> summary = TrySummarizeTrack(document);
    out << "# track: " << replay->GetTrackName() << '\n';
    out << "# player: " << replay->GetPlayerName() << '\n';
    if (summary) {
        out << "# types:";
        for (const std::string& type : summary->types)
            out << ' ' << type;
        out << "\n# records: " << summary->records << '\n';
    }
    for (const LapListEntry& entry : ListCompleteLaps(*replay)) {
        out << entry.lap.table << '\t' << entry.lap.driver << '\t' << entry.lap.lap << '\t'
            << entry.driverName << '\t' << LapTimeText(entry.time) << '\n';
    }
    if (!summary)
        throw Exit{Failed, ""};
}

}  // namespace

void AddLapsCommand(CLI::App& app) {
    auto path = std::make_shared<std::string>();
    CLI::App* laps = app.add_subcommand("laps", "List the complete laps of a replay and its game's LP types");
    laps->add_option("REPLAY", *path, "replay file in a game folder")->required();
    laps->callback([path] { PrintLaps(*path, std::cout); });
}

}  // namespace Linewright::Cli
