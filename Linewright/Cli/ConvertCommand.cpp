#include "Linewright/Cli/Commands.h"
#include "Linewright/Cli/LapAndTypeOptions.h"

#include "Linewright/CLinewrightDoc.h"
#include "Linewright/LapList.h"
#include "Linewright/LpOutput.h"
#include "Linewright/TrackDirectoryLps.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/PapyDirectory.h"
#include "Papy/Lp/LpFile.h"
#include "Papy/Replays/RpyFile.h"
#include "Util/Exception.h"
#include "Util/PathName.h"
#include "Util/ReplacingFile.h"

#include <algorithm>
#include <iostream>

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
    bool backup = false;

    // A kept backup makes replacing the file safe.
    bool MayReplace() const { return overwrite || backup; }
};

struct Written {
    std::string output;
    bool keptBackup = false;
};

// With --backup an existing file is first kept as <output>.bak.
Written WriteOutput(const Papy::LpFile& lp, const std::string& output, const ConvertOptions& options) {
    const bool keptBackup = options.backup && KeepBackup(output);
    WriteLpFile(lp, output, options.MayReplace());
    return {output, keptBackup};
}

// The track file given on the command line, whatever it is called: its folder's game reads it
// and makes the LP for it; the LP goes beside it.
Written ConvertWithTrackFile(const ConvertOptions& options) {
    const auto replay = CLinewrightDoc::ReadReplay(options.replay);
    const LapRef lap = ChooseLap(*replay, options.lap);
    const Papy::PapyDirectory trackDirectory(options.track);
    const auto trackFactory = Papy::FileFactoryRegistry::Instance().GetFactory(trackDirectory.GetPath(), false);
    CheckType(options.type, ListLpTypes(*trackFactory), "the track's game");
    const std::string output =
        options.output.empty() ? Util::PathName(options.track).directory + options.type + ".lp" : options.output;
    Util::ReplacingFile::CheckTarget(output, options.MayReplace());
    const auto lp = ConvertForTrackFile(*trackFactory, options.track, *replay, lap);
    return WriteOutput(*lp, output, options);
}

// The game folder's track, found as the document finds it; the LP goes into its directory.
Written ConvertInGameFolder(const ConvertOptions& options) {
    const LapInGameFolder chosen = ChooseLapInGameFolder(options.replay, options.lap, options.type);
    const std::string output =
        options.output.empty() ? GetLpOutputPath(*chosen.trackFactory, options.type) : options.output;
    Util::ReplacingFile::CheckTarget(output, options.MayReplace());
    const auto lp = ConvertToNewLp(*chosen.trackFactory, *chosen.replay, chosen.lap, options.type);
    return WriteOutput(*lp, output, options);
}

void Convert(const ConvertOptions& options, std::ostream& out) {
    const Written written = options.track.empty() ? ConvertInGameFolder(options) : ConvertWithTrackFile(options);
    const std::string output = Util::MakeAbsolutePath(written.output).value_or(written.output);
    out << "LP file created.\n" << output << '\n';
    if (written.keptBackup)
        out << "The file it replaced is kept as " << GetBackupPath(output) << '\n';
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
    convert->add_flag("--backup", options->backup,
                      "replace an existing output file, keeping it as <output>.bak (one level, replaced each time)");
    convert->callback([options] { Convert(*options, std::cout); });
}

}  // namespace Linewright::Cli
