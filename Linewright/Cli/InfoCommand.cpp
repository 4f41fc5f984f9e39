#include "Linewright/Cli/Commands.h"
#include "Linewright/Cli/FileInfo.h"

#include <cmath>
#include <cstdlib>
#include <iostream>

namespace Linewright::Cli {

namespace {

// Each of the point's numbers must be finite: NaN and infinity name no place on a track.
std::string CheckFinite(const std::string& text) {
    if (std::isfinite(std::strtod(text.c_str(), nullptr)))
        return {};
    return "--point takes finite numbers, not " + text;
}

}  // namespace

void AddInfoCommand(CLI::App& app) {
    auto options = std::make_shared<InfoOptions>();
    CLI::App* info = app.add_subcommand("info", "Recognise a game file by its content and describe it");
    info->add_option("FILE", options->path, "replay, track, LP file or archive")->required();
    info->add_flag("--records", options->records, "LP files: one line per record");
    info->add_option("--track", options->track, "LP files: the track file to read them against");
    info->add_option("--point", options->point, "tracks: the point at LONGITUDE,LATERAL")
        ->delimiter(',')
        ->expected(2)
        ->check(CheckFinite);
    info->callback([options] { DescribeFile(*options, std::cout); });
}

}  // namespace Linewright::Cli
