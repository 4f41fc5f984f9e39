#include "Linewright/Cli/Commands.h"

#include "testing/GameFolderWriter.h"

#include <functional>
#include <iostream>
#include <map>

namespace Linewright::Cli {

namespace {

struct SampleOptions {
    std::string directory;
    std::string family = "gpl";
};

// Each family's writer of a game folder, which returns the folder's replay.
using FolderWriter = std::function<std::filesystem::path(const std::filesystem::path& root)>;

const std::map<std::string, FolderWriter>& Families() {
    static const std::map<std::string, FolderWriter> families = {
        {"gpl", [](const std::filesystem::path& root) { return Testing::WriteGPLFolder(root).replay; }},
        {"n2", [](const std::filesystem::path& root) { return Testing::WriteN2Folder(root).replay; }}};
    return families;
}

// Writes <DIR>/<family> for the family asked for, or for every family, and names each replay.
void WriteSample(const SampleOptions& options) {
    const std::filesystem::path root = std::filesystem::absolute(options.directory);
    for (const auto& [family, write] : Families()) {
        if (options.family == "all" || options.family == family)
            std::cout << family << '\t' << write(root / family).string() << '\n';
    }
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
    sample->callback([options] { WriteSample(*options); });
}

}  // namespace Linewright::Cli
