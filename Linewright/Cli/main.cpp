#include "Linewright/Cli/Commands.h"
#include "Util/Exception.h"
#include "Util/FileSystem.h"
#include "Util/Version.h"

#include <iostream>
#include <vector>

void Linewright::Cli::PrintFailure(const std::string& text) {
    std::cerr << text;
    if (!text.empty() && text.back() != '\n')
        std::cerr << '\n';
}

namespace {

int Fail(const std::string& text) {
    Linewright::Cli::PrintFailure(text);
    return Linewright::Cli::Failed;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace Linewright::Cli;
    CLI::App app{"Linewright: turns a lap of a racing-simulation replay into an LP file",
                 "linewright-cli"};
    app.set_version_flag("--version", Tessel::Util::VersionText);
    app.require_subcommand(1);
    // On Windows CLI11 would take "/tracks/monza.trk", a path from the drive's root, for an option.
    app.allow_windows_style_options(false);
    AddInfoCommand(app);
    AddConvertCommand(app);
    AddLapsCommand(app);
    AddDatCommand(app);
    AddSampleCommand(app);
    AddPlotCommand(app);
    AddLpCommand(app);
    // Set after the commands, which would otherwise repeat it under their own --help.
    app.footer("Exit status:\n"
               "  0  done\n"
               "  1  failed; the message on standard error says why\n"
               "  2  wrong usage\n"
               "  3  the output file exists and --overwrite was not given; nothing was written\n"
               "\n"
               "Examples:\n"
               "  $ linewright-cli sample demo --family all\n"
               "  $ linewright-cli laps demo/gpl/replays/practice.rpy\n"
               "  $ linewright-cli convert demo/gpl/replays/practice.rpy --lap best --type race\n"
               "  $ linewright-cli plot demo/gpl/replays/practice.rpy --lap best --type race -o lap.svg\n"
               "  $ linewright-cli info demo/gpl/tracks/monza/race.lp --records\n"
               "  $ linewright-cli dat extract demo/n2/tracks/indy/indy.dat --all -C indy");
    Tessel::Util::SetStandardStreamsBinary();
    try {
        // As UTF-8 on every system: a path typed on a Windows console may hold any character.
        const std::vector<std::string> arguments = Tessel::Util::GetArguments(argc, argv);
        std::vector<char*> pointers;
        for (const std::string& argument : arguments)
            pointers.push_back(const_cast<char*>(argument.c_str()));
        app.parse(static_cast<int>(pointers.size()), pointers.data());
    } catch (const CLI::Success& success) {
        return app.exit(success);
    } catch (const CLI::ParseError& error) {
        app.exit(error);
        return WrongUsage;
    } catch (const Exit& exit) {
        if (!exit.message.empty())
            Fail(exit.message);
        return exit.status;
    } catch (const Tessel::Util::XFileExists& exists) {
        Fail(exists.GetPath() + ": File already exists - give --overwrite to replace it");
        return OutputExists;
    } catch (const Tessel::Util::Exception& error) {
        return Fail(error.GetMessageText());
    } catch (const std::exception& error) {
        return Fail(error.what());
    } catch (...) {
        return Fail("An unknown exception occurred.");
    }
    return Done;
}
