#include "Linewright/Cli/Commands.h"
#include "Linewright/Cli/FileInfo.h"
#include "Linewright/Cli/LapAndTypeOptions.h"

#include "Linewright/LpOutput.h"
#include "Linewright/LpTable.h"
#include "Linewright/TrackDirectoryLps.h"
#include "Papy/Factory/CreateLp.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/PapyDirectory.h"
#include "Papy/Lp/LpFile.h"
#include "Util/BinaryFile.h"
#include "Util/FileSystem.h"
#include "Util/InputFiles.h"
#include "Util/PathName.h"
#include "Util/ReplacingFile.h"

#include <iostream>

namespace Linewright::Cli {

namespace {

using namespace Tessel;

struct LpOptions {
    std::string input;   // the LP to export, or the table to import
    std::string output;  // the table exported, or the LP imported into
    std::string track;
    std::string type;
    bool overwrite = false;
    bool backup = false;

    bool MayReplace() const { return overwrite || backup; }
};

void Export(const LpOptions& options) {
    const std::string table = FormatLpTable(*ReadLpFile(options.input, options.track));
    if (options.output.empty()) {
        std::cout << table;  // with the table's own CR LF line ends: the streams are binary
        return;
    }
    Util::ReplacingFile::CheckTarget(options.output, options.overwrite);
    Util::ReplacingFile file(options.output);
    file.GetStream().Write(static_cast<std::uint32_t>(table.size()), table.data());
    file.Commit(options.overwrite);
}

// A new LP of the type for the track file, going where convert would put it unless --into
// says otherwise.
std::shared_ptr<Papy::LpFile> CreateForTrack(LpOptions& options) {
    const Papy::PapyDirectory trackDirectory(options.track);
    const auto trackFactory = Papy::FileFactoryRegistry::Instance().GetFactory(trackDirectory.GetPath(), false);
    CheckType(options.type, ListLpTypes(*trackFactory), "the track's game");
    if (options.output.empty())
        options.output = GetLpOutputPath(*trackFactory, options.type);
    Util::ReplacingFile::CheckTarget(options.output, options.MayReplace());
    const auto track = MakeTrackOfDirectory(*trackFactory, options.track);
    return trackFactory->GetFacet<Papy::CreateLp>()->CreateFor(*track, 0.0);
}

// The LP that the table replaces, read whole: it is no input of what replaces it.
std::shared_ptr<Papy::LpFile> ReadReplaced(const LpOptions& options) {
    Util::ReplacingFile::CheckTarget(options.output, options.MayReplace());
    const auto lp = ReadLpFile(options.output, options.track);
    Util::ForgetInputFile(options.output);
    return lp;
}

void Import(LpOptions options) {
    if (options.type.empty() && options.output.empty())
        throw Exit{WrongUsage, "lp import needs --into LP, or --track TRACK and --type TYPE for a new LP"};
    if (!options.type.empty() && options.track.empty())
        throw Exit{WrongUsage, "lp import --type makes a new LP and needs the track file (--track TRACK)"};
    const auto lp = options.type.empty() ? ReadReplaced(options) : CreateForTrack(options);
    ReadLpTable(Util::BinaryFile::ReadWhole(options.input), options.input, *lp);
    const bool keptBackup = options.backup && KeepBackup(options.output);
    WriteLpFile(*lp, options.output, options.MayReplace());
    const std::string output = Util::MakeAbsolutePath(options.output).value_or(options.output);
    std::cout << "LP file created.\n" << output << '\n';
    if (keptBackup)
        std::cout << "The file it replaced is kept as " << GetBackupPath(output) << '\n';
}

}  // namespace

void AddLpCommand(CLI::App& app) {
    CLI::App* lp = app.add_subcommand("lp", "An LP file as a table that a spreadsheet edits, and back");
    lp->require_subcommand(1);

    auto exported = std::make_shared<LpOptions>();
    CLI::App* exportCommand =
        lp->add_subcommand("export", "Write the LP's records as a CSV table (to standard output without -o)");
    exportCommand->add_option("LP", exported->input, "the LP file")->required();
    exportCommand->add_option("-o", exported->output, "write the table to FILE.csv");
    exportCommand->add_option("--track", exported->track, "the track file to read the LP against");
    exportCommand->add_flag("--overwrite", exported->overwrite, "replace an existing table");
    exportCommand->callback([exported] { Export(*exported); });

    auto imported = std::make_shared<LpOptions>();
    CLI::App* importCommand = lp->add_subcommand(
        "import", "Read a CSV table back into an LP of the same format and record count, writing it only when every "
                  "row is sound");
    importCommand->add_option("TABLE", imported->input, "the CSV table")->required();
    importCommand->add_option("--into", imported->output,
                              "the LP to replace (default with --type: <track folder>/<type>.lp)");
    importCommand->add_option("--track", imported->track,
                              "the track file: with --type the track of a new LP, else the one to read --into against");
    importCommand->add_option("--type", imported->type, "make a new LP of this type for --track");
    CLI::Option* overwrite = importCommand->add_flag("--overwrite", imported->overwrite, "replace an existing LP");
    importCommand
        ->add_flag("--backup", imported->backup,
                   "replace an existing LP, keeping it as <LP>.bak (one level, replaced each time)")
        ->excludes(overwrite);
    importCommand->callback([imported] { Import(*imported); });
}

}  // namespace Linewright::Cli
