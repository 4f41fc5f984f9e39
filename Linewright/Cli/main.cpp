#include "Linewright/Cli/Commands.h"
#include "Util/Exception.h"
#include "Util/Version.h"

#include <iostream>

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
    AddInfoCommand(app);
    AddConvertCommand(app);
    AddLapsCommand(app);
    AddDatCommand(app);
    AddSampleCommand(app);
    AddPlotCommand(app);
    try {
        app.parse(argc, argv);
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
