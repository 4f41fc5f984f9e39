#include "Linewright/CLinewrightDoc.h"
#include "Linewright/Cli/Commands.h"
#include "Linewright/Cli/FileInfo.h"
#include "Linewright/Cli/LapAndTypeOptions.h"
#include "Linewright/LapComparison.h"
#include "Linewright/LapList.h"
#include "Linewright/LapTimeline.h"
#include "Linewright/TrackDirectoryLps.h"
#include "Papy/Replays/RpyFile.h"
#include "Papy/Tracks/Track.h"
#include "Util/Exception.h"

#include <cmath>
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

// The time lap B lost (positive) or gained against lap A at each tenth of the lap, from the
// replay's samples.
void PrintComparison(const std::string& path, const std::vector<std::string>& compared, std::ostream& out) {
    const LapInGameFolder chosen = ChooseLapInGameFolder(path, compared[0], workLpType);
    const auto& replay = *chosen.replay;
    const LapRef other = ChooseLap(replay, compared[1]);
    const double trackLength = MakeTrackOfDirectory(*chosen.trackFactory)->Get2DLength();
    out << "# reference: " << NameLap(replay, chosen.lap) << '\n'
        << "# compared: " << NameLap(replay, other) << '\n'
        << "# fraction\tdistance_m\tdelta_s\n";
    const auto deltas =
        CompareTimelines(TimeLap(replay, chosen.lap, trackLength), TimeLap(replay, other, trackLength), trackLength, 10);
    for (std::size_t i = 0; i < deltas.size(); ++i)
        out << FormatNumber("%.1f", i / 10.0) << '\t' << FormatNumber("%.3f", deltas[i].distance) << '\t'
            << FormatNumber("%+.3f", std::round(deltas[i].delta * 1000.0) / 1000.0 + 0.0) << '\n';  // no -0.000
}

struct LapsOptions {
    std::string path;
    std::vector<std::string> compare;
};

}  // namespace

void AddLapsCommand(CLI::App& app) {
    auto options = std::make_shared<LapsOptions>();
    CLI::App* laps = app.add_subcommand("laps", "List the complete laps of a replay and its game's LP types");
    laps->add_option("REPLAY", options->path, "replay file in a game folder")->required();
    laps->add_option("--compare", options->compare,
                     "A,B (each T:D:L or best): instead of the list, the time lap B lost (+) or gained (-) against "
                     "lap A at each tenth of the lap")
        ->delimiter(',')
        ->expected(2)
        ->check(CheckLapSyntax);
    laps->callback([options] {
        if (options->compare.empty())
            PrintLaps(options->path, std::cout);
        else
            PrintComparison(options->path, options->compare, std::cout);
    });
}

}  // namespace Linewright::Cli
