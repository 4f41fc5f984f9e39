#include "Linewright/Cli/Commands.h"
#include "Linewright/Cli/LapAndTypeOptions.h"
#include "Linewright/ComparisonSvg.h"
#include "Linewright/LapPreview.h"
#include "Linewright/PreviewSvg.h"
#include "Linewright/TrackDirectoryLps.h"
#include "Papy/Replays/RpyFile.h"
#include "Util/Exception.h"
#include "Util/PathName.h"
#include "Util/ReplacingFile.h"

#include <iostream>
#include <sstream>

namespace Linewright::Cli {

namespace {

struct PlotOptions {
    std::string replay;
    std::vector<std::string> laps;
    std::string type = workLpType;
    std::string output;
    bool overwrite = false;
};

void WriteText(const std::string& text, const std::string& path, bool overwrite) {
    Tessel::Util::ReplacingFile file(path);
    file.GetStream().Write(static_cast<std::uint32_t>(text.size()), text.data());
    file.Commit(overwrite);
}

// The laps side by side with their time against the first, as the window shows them.
void PlotSeveral(const PlotOptions& options, std::ostream& out) {
    const LapInGameFolder chosen = ChooseLapInGameFolder(options.replay, options.laps.front(), options.type);
    const auto& [replay, trackFactory, first] = chosen;
    std::vector<LapRef> laps = {first};
    for (std::size_t i = 1; i < options.laps.size(); ++i)
        laps.push_back(ChooseLap(*replay, options.laps[i]));
    Tessel::Util::ReplacingFile::CheckTarget(options.output, options.overwrite);
    const LapComparison comparison = CompareLaps(*trackFactory, *replay, laps, options.type);
    std::ostringstream svg;
    WriteComparisonSvg(comparison, replay->GetTrackName() + ", " + std::to_string(laps.size()) + " laps", svg);
    WriteText(svg.str(), options.output, options.overwrite);
    out << Tessel::Util::MakeAbsolutePath(options.output).value_or(options.output) << '\n';
}

// The preview of the lap, as the window shows it, written as an SVG file.
void Plot(const PlotOptions& options, std::ostream& out) {
    if (options.laps.size() > 1)
        return PlotSeveral(options, out);
    const LapInGameFolder chosen = ChooseLapInGameFolder(options.replay, options.laps.front(), options.type);
    const auto& [replay, trackFactory, lap] = chosen;
    Tessel::Util::ReplacingFile::CheckTarget(options.output, options.overwrite);
    const LapPreview preview = MakeLapPreview(*trackFactory, *replay, lap, options.type);
    std::ostringstream svg;
    const std::string title = replay->GetTrackName() + ", " + replay->GetDriverName(lap.driver) + ", lap " +
                              std::to_string(lap.table) + ":" + std::to_string(lap.driver) + ":" +
                              std::to_string(lap.lap);
    WritePreviewSvg(preview, title, svg);
    WriteText(svg.str(), options.output, options.overwrite);
    if (!preview.comparison.empty())
        out << preview.comparison << '\n';
    out << Tessel::Util::MakeAbsolutePath(options.output).value_or(options.output) << '\n';
}

}  // namespace

void AddPlotCommand(CLI::App& app) {
    auto options = std::make_shared<PlotOptions>();
    CLI::App* plot = app.add_subcommand("plot", "Draw a lap's line on the track map, with speed and offset by distance, as SVG");
    plot->add_option("REPLAY", options->replay, "the replay")->required();
    plot->add_option("--lap", options->laps,
                     "T:D:L (lap table, driver, lap) or best; up to five side by side, with their time against the first")
        ->required()
        ->check(CheckLapSyntax);
    plot->add_option("--type", options->type, "the LP type whose existing file is drawn beside the lap (default work)");
    plot->add_option("-o,--output", options->output, "the SVG file to write")->required();
    plot->add_flag("--overwrite", options->overwrite, "replace an existing output file");
    plot->callback([options] { Plot(*options, std::cout); });
}

}  // namespace Linewright::Cli
