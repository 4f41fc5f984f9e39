#include "Linewright/Cli/Commands.h"

#include "Linewright/CLinewrightDoc.h"
#include "Linewright/LapList.h"
#include "Linewright/LpOutput.h"
#include "Linewright/TrackLp.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/PapyDirectory.h"
#include "Papy/Replays/RpyFile.h"
#include "Util/Exception.h"
#include "Util/PathName.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <sstream>

namespace Linewright::Cli {

namespace {

using namespace Tessel;

struct ConvertOptions {
    std::string replay;
    std::string lap;
    std::string type;
    std::string track;
    std::string output;
    bool overwrite = false;
};

[[noreturn]] void ThrowOutputExists(const std::string& path) {
    throw Exit{OutputExists, path + ": File already exists - give --overwrite to replace it"};
}

std::optional<LapRef> ParseLap(const std::string& text) {
    std::istringstream in(text);
    LapRef lap;
    char colon1 = 0, colon2 = 0;
    in >> std::noskipws >> lap.table >> colon1 >> lap.driver >> colon2 >> lap.lap;
    if (!in || colon1 != ':' || colon2 != ':' || in.peek() != std::char_traits<char>::eof())
        return std::nullopt;
    return lap;
}

std::string CheckLapSyntax(const std::string& text) {
    if (text == "best" || ParseLap(text))
        return {};
    return "--lap takes T:D:L (lap table, driver and lap, from 0) or best";
}

// A lap of the form's lap list: the one named, or the fastest (the first of equal times).
LapRef ChooseLap(const Papy::RpyFile& replay, const std::string& text) {
    const std::vector<LapListEntry> laps = ListCompleteLaps(replay);
    if (text == "best") {
        if (laps.empty())
            throw Util::XUsage("The replay holds no complete lap");
        return std::min_element(laps.begin(), laps.end(),
                                [](const LapListEntry& a, const LapListEntry& b) { return a.time < b.time; })
            ->lap;
    }
    const LapRef wanted = *ParseLap(text);
    const bool listed = std::any_of(laps.begin(), laps.end(), [&](const LapListEntry& entry) { return entry.lap == wanted; });
    if (!listed)
        throw Util::XUsage("Lap " + text + " is not a complete lap of the replay");
    return wanted;
}

// Only the game's types name an LP file, so the output stays in its folder.
void CheckType(const std::string& type, const std::vector<std::string>& types, const std::string& game) {
    if (std::find(types.begin(), types.end(), type) != types.end())
        return;
    std::string known;
    for (const std::string& name : types)
        known += " " + name;
    throw Util::XUsage("Unknown LP type " + type + "; " + game + " has" + known);
}

void CheckOutput(const std::string& output, bool overwrite) {
    if (!overwrite && Util::IsFile(output))
        ThrowOutputExists(output);
}

// The LP's bytes go to a temporary file that replaces the output only once complete.
void WriteLp(const Papy::LpFile& lp, const std::string& path, bool overwrite) {
    try {
        WriteLpFile(lp, path, overwrite);
    } catch (const Util::XFileOpen& error) {
        if (overwrite || !Util::IsFile(error.GetPath()))
            throw;
        ThrowOutputExists(error.GetPath());  // it appeared while we were converting
    }
}

// The track file given on the command line, whatever it is called: its folder's game reads it
// and makes the LP for it; the LP goes beside it.
std::string ConvertWithTrackFile(const ConvertOptions& options) {
    const auto replay = CLinewrightDoc::ReadReplay(options.replay);
    const LapRef lap = ChooseLap(*replay, options.lap);
    const Papy::PapyDirectory trackDirectory(options.track);
    const auto trackFactory = Papy::FileFactoryRegistry::Instance().GetFactory(trackDirectory.GetPath(), false);
    CheckType(options.type, ListLpTypes(*trackFactory), "the track's game");
    const std::string output =
        options.output.empty() ? Util::PathName(options.track).directory + options.type + ".lp" : options.output;
    CheckOutput(output, options.overwrite);
    const auto lp = ConvertForTrackFile(*trackFactory, options.track, *replay, lap);
    WriteLp(*lp, output, options.overwrite);
    return output;
}

// The game folder's track, found as the document finds it; the LP goes into its directory.
std::string ConvertInGameFolder(const ConvertOptions& options) {
    CLinewrightDoc document;
    document.OnOpenDocument(options.replay);
    const auto replay = document.GetRpy();
    const auto trackFactory = document.GetTrackFactory();
    const LapRef lap = ChooseLap(*replay, options.lap);
    CheckType(options.type, ListLpTypes(*trackFactory), "the track's game");
    const std::string output = options.output.empty() ? GetLpOutputPath(*trackFactory, options.type) : options.output;
    CheckOutput(output, options.overwrite);
    const auto lp = ConvertToNewLp(*trackFactory, *replay, lap, options.type);
    WriteLp(*lp, output, options.overwrite);
    return output;
}

void Convert(const ConvertOptions& options, std::ostream& out) {
    const std::string output = options.track.empty() ? ConvertInGameFolder(options) : ConvertWithTrackFile(options);
    out << "LP file created.\n" << Util::MakeAbsolutePath(output).value_or(output) << '\n';
}

}  // namespace

void AddConvertCommand(CLI::App& app) {
    auto options = std::make_shared<ConvertOptions>();
    CLI::App* convert = app.add_subcommand("convert", "Convert one lap of a replay into an LP file");
    convert->add_option("REPLAY", options->replay, "the replay")->required();
    convert->add_option("--lap", options->lap, "T:D:L (lap table, driver, lap) or best")
        ->required()
        ->check(CheckLapSyntax);
    convert->add_option("--type", options->type, "the LP type, which names the file")->required();
    convert->add_option("--track", options->track, "the track file (default: the replay's track in its game folder)");
    convert->add_option("--output", options->output, "where to write the LP (default <track folder>/<type>.lp)");
    convert->add_flag("--overwrite", options->overwrite, "replace an existing output file");
    convert->callback([options] { Convert(*options, std::cout); });
}

}  // namespace Linewright::Cli
