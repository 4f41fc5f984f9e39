#include "Linewright/Cli/Commands.h"

#include "Samples/GameFolderWriter.h"
#include "Util/PathName.h"
#include "Util/StagingFolder.h"

#include <iostream>
#include <string>
#include <vector>

namespace Linewright::Cli {

namespace {

struct SampleOptions {
    std::string directory;
    std::string family = "gpl";
    bool overwrite = false;
};

// Writes <DIR>/<family> for the family asked for, or for every family, and names each replay.
// The folders are made aside and put in place together, so a file that is there already (and
// not to be replaced) stops the command before anything is written.
void WriteSample(const SampleOptions& options) {
    const std::filesystem::path root =
        Tessel::Util::ToPath(Tessel::Util::MakeAbsolutePath(options.directory).value_or(options.directory));
    Tessel::Util::StagingFolder staging(root);
    std::vector<std::pair<std::string, std::filesystem::path>> replays;
    for (const auto& [family, write] : Samples::FamilySamples()) {
        if (options.family != "all" && options.family != family)
            continue;
        for (const std::filesystem::path& replay : write(staging.GetPath() / family))
            replays.emplace_back(family, replay.lexically_relative(staging.GetPath()));
    }
    staging.Commit(options.overwrite);
    for (const auto& [family, replay] : replays)
        std::cout << family << '\t' << Tessel::Util::ToText(root / replay) << '\n';
}

std::vector<std::string> FamilyChoices() {
    std::vector<std::string> choices = {"all"};
    for (const Samples::FamilySample& sample : Samples::FamilySamples())
        choices.push_back(sample.family);
    return choices;
}

}  // namespace

void AddSampleCommand(CLI::App& app) {
    auto options = std::make_shared<SampleOptions>();
    CLI::App* sample = app.add_subcommand("sample", "Write synthetic game folders whose replays convert");
    sample->add_option("DIR", options->directory, "where the folders <DIR>/<family> go")->required();
    sample->add_option("--family", options->family, "game family")
        ->check(CLI::IsMember(FamilyChoices()))
        ->capture_default_str();
    sample->add_flag("--overwrite", options->overwrite, "replace files that exist");
    sample->callback([options] { WriteSample(*options); });
}

}  // namespace Linewright::Cli
