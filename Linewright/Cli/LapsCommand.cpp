#include "Linewright/Cli/Commands.h"
#include "Linewright/LapList.h"
#include "Papy/GPLRpyFile.h"
#include "Util/BinaryFile.h"

#include <iostream>

namespace Linewright::Cli {

namespace {

void PrintLaps(const std::string& path, std::ostream& out) {
    const auto stream = Tessel::Util::BinaryFile::OpenRead(path);
    const Tessel::Papy::GPLRpyFile replay(*stream);
    out << "# track: " << replay.GetTrackName() << '\n';
    out << "# player: " << replay.GetPlayerName() << '\n';
    for (const LapListEntry& entry : ListCompleteLaps(replay)) {
        out << entry.lap.table << '\t' << entry.lap.driver << '\t' << entry.lap.lap << '\t'
            << entry.driverName << '\t' << LapTimeText(entry.time) << '\n';
    }
}

}  // namespace

void AddLapsCommand(CLI::App& app) {
    auto path = std::make_shared<std::string>();
    CLI::App* laps = app.add_subcommand("laps", "List the complete laps of a replay");
    laps->add_option("REPLAY", *path, "replay file")->required();
    laps->callback([path] { PrintLaps(*path, std::cout); });
}

}  // namespace Linewright::Cli
