#include "Linewright/Cli/Commands.h"

#include "Linewright/ConvertLap.h"
#include "Linewright/LapList.h"
#include "Papy/GPLLpFile.h"
#include "Papy/GPLRpyFile.h"
#include "Papy/GPLTrkFile.h"
#include "Papy/TrkTrack.h"
#include "Util/BinaryFile.h"
#include "Util/Exception.h"
#include "Util/PathName.h"
#include "Util/ReplacingFile.h"

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

// The LP types of the GPL family; "work" heads them as it heads the form's list.
const std::vector<std::string> GPLTypes = {"work", "race", "maxrace", "minrace", "pass1", "pass2", "pit"};

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

// "best" is the fastest lap of the lap list, the first of equal times; T:D:L must be listed.
LapRef ChooseLap(const Papy::RpyFile& replay, const std::string& text) {
    const std::vector<LapListEntry> laps = ListCompleteLaps(replay);
    if (text == "best") {
        if (laps.empty())
            throw Util::XUsage("The replay holds no complete lap");
        return std::min_element(laps.begin(), laps.end(), [](const LapListEntry& a, const LapListEntry& b) {
                   return a.time < b.time;
               })->lap;
    }
    const LapRef wanted = *ParseLap(text);
    const bool listed = std::any_of(laps.begin(), laps.end(), [&](const LapListEntry& entry) {
        return entry.lap == wanted;
    });
    if (!listed)
        throw Util::XUsage("Lap " + text + " is not a complete lap of the replay");
    return wanted;
}

std::unique_ptr<Papy::GPLRpyFile> ReadReplay(const std::string& path) {
    auto replay = std::make_unique<Papy::GPLRpyFile>(*Util::BinaryFile::OpenRead(path));
    const std::string game = Papy::GPLRpyFile::GetGameName(replay->GetVersion());
    if (game != "GPL")
        throw Util::XUsage(path + ": " + game + " replays cannot be converted yet");
    return replay;
}

void CheckType(const std::string& type) {
    if (std::find(GPLTypes.begin(), GPLTypes.end(), type) != GPLTypes.end())
        return;
    std::string known;
    for (const std::string& name : GPLTypes)
        known += " " + name;
    throw Util::XUsage("Unknown LP type " + type + "; GPL has" + known);
}

std::string OutputPath(const ConvertOptions& options) {
    if (!options.output.empty())
        return options.output;
    return Util::PathName(options.track).directory + options.type + ".lp";
}

void ThrowOutputExists(const std::string& path) {
    throw Exit{OutputExists, path + ": File already exists - give --overwrite to replace it"};
}

// The LP's bytes go to a temporary file that replaces the output only once complete.
void WriteLp(const Papy::LpFile& lp, const std::string& path, bool overwrite) {
    Util::ReplacingFile file(path);
    lp.Write(std::shared_ptr<Util::BinaryStream>(&file.GetStream(), [](Util::BinaryStream*) {}));
    try {
        file.Commit(overwrite);
    } catch (const Util::XFileOpen&) {
        ThrowOutputExists(file.GetTarget());  // it appeared while we were converting
    }
}

void Convert(const ConvertOptions& options, std::ostream& out) {
    const auto replay = ReadReplay(options.replay);
    const LapRef lap = ChooseLap(*replay, options.lap);
    CheckType(options.type);
    const std::string output = OutputPath(options);
    if (!options.overwrite && Util::IsFile(output))
        ThrowOutputExists(output);
    const auto trackFile = std::make_shared<Papy::GPLTrkFile>(Util::BinaryFile::OpenRead(options.track));
    const Papy::TrkTrack track(trackFile);
    Papy::GPLLpFile lp(trackFile, 0.0);
    ConvertLap(*replay, lap.table, lap.driver, lap.lap, track, lp);
    WriteLp(lp, output, options.overwrite);
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
    convert->add_option("--track", options->track, "the track file")->required();
    convert->add_option("--output", options->output, "where to write the LP (default <track folder>/<type>.lp)");
    convert->add_flag("--overwrite", options->overwrite, "replace an existing output file");
    convert->callback([options] { Convert(*options, std::cout); });
}

}  // namespace Linewright::Cli
