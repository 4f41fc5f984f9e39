#pragma once

#include <CLI/CLI.hpp>

// The subcommands of linewright-cli. Each Add function registers one subcommand whose
// callback prints its result and throws on failure; main turns exceptions into exit statuses.
namespace Linewright::Cli {

enum ExitStatus { Done = 0, Failed = 1, WrongUsage = 2, OutputExists = 3 };

// Thrown by a command to end with a particular status after printing message to stderr.
struct Exit {
    ExitStatus status;
    std::string message;
};

// Writes a failure's text to standard error, ending it with a newline when it has none.
void PrintFailure(const std::string& text);

void AddInfoCommand(CLI::App& app);
void AddConvertCommand(CLI::App& app);
void AddLapsCommand(CLI::App& app);
void AddDatCommand(CLI::App& app);
void AddSampleCommand(CLI::App& app);
void AddPlotCommand(CLI::App& app);
void AddLpCommand(CLI::App& app);

}  // namespace Linewright::Cli
