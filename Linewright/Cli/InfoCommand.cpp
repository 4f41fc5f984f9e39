#include "Linewright/Cli/Commands.h"
#include "Linewright/Cli/FileInfo.h"

#include <iostream>

namespace Linewright::Cli {

void AddInfoCommand(CLI::App& app) {
    auto options = std::make_shared<InfoOptions>();
    CLI::App* info = app.add_subcommand("info", "Recognise a game file by its content and describe it");
    info->add_option("FILE", options->path, "replay, track, LP file or archive")->required();
    info->add_flag("--records", options->records, "LP files: one line per record");
    info->add_option("--point", options->point, "tracks: the point at LONGITUDE,LATERAL")
        ->delimiter(',')
        ->expected(2);
    info->callback([options] { DescribeFile(*options, std::cout); });
}

}  // namespace Linewright::Cli
