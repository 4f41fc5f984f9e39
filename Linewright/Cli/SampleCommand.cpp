#include "Linewright/Cli/Commands.h"

#include "testing/GameFolderWriter.h"

#include <iostream>

namespace Linewright::Cli {

namespace {

struct SampleOptions {
    std::string directory;
    std::string family = "gpl";
};

// Writes the game folders and says where their replays lie.
void WriteSample(const SampleOptions& options) {
    const std::filesystem::path root = std::filesystem::absolute(options.directory);
    const Testing::GPLFolder gpl = Testing::WriteGPLFolder(root / "gpl");
    std::cout << "gpl\t" << gpl.replay.string() << '\n';
}

}  // namespace

void AddSampleCommand(CLI::App& app) {
    auto options = std::make_shared<SampleOptions>();
    CLI::App* sample = app.add_subcommand("sample", "Write a synthetic game folder whose replays convert");
    sample->add_option("DIR", options->directory, "where the folder <DIR>/<family> goes")->required();
    sample->add_option("--family", options->family, "game family")
        ->check(CLI::IsMember({"gpl", "all"}))
        ->capture_default_str();
    sample->callback([options] { WriteSample(*options); });
}

}  // namespace Linewright::Cli
