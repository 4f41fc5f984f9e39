#include "Linewright/Cli/Commands.h"

#include "testing/GameFolderWriter.h"
#include "Util/PathName.h"
#include "Util/StagingFolder.h"

#include <functional>
#include <iostream>
#include <map>

namespace Linewright::Cli {

namespace {

struct SampleOptions {
    std::string directory;
    std::string family = "gpl";
    bool overwrite = false;
};

// Each family's writer of a game folder, which returns the folder's replays.
using FolderWriter = std::function<std::vector<std::filesystem::path>(const std::filesystem::path& root)>;

const std::map<std::string, FolderWriter>& Families() {
    static const std::map<std::string, FolderWriter> families = {
        {"gpl", [](const std::filesystem::path& root) { return std::vector{Testing::WriteGPLFolder(root).replay}; }},
        {"n2", [](const std::filesystem::path& root) { return std::vector{Testing::WriteN2Folder(root).replay}; }},
        {"n4", [](const std::filesystem::path& root) { return Testing::WriteN4Folder(root).replays; }}};
    return families;
}

// Writes <DIR>/<family> for the family asked for, or for every family, and names each replay.
// The folders are made aside and put in place together, so a file that is there already (and
// not to be replaced) stops the command before anything is written.
void WriteSample(const SampleOptions& options) {
    const std::filesystem::path root =
        Tessel::Util::ToPath(Tessel::Util::MakeAbsolutePath(options.directory).value_or(options.directory));
    Tessel::Util::StagingFolder staging(root);
    std::vector<std::pair<std::string, std::filesystem::path>> replays;
    for (const auto& [family, write] : Families()) {
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
    for (const auto& entry : Families())
        choices.push_back(entry.first);
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
