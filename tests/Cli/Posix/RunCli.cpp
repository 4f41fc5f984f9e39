#include "tests/Cli/RunCli.h"

#include "testing/TemporaryFolder.h"

#include <sys/wait.h>

namespace {

std::string Quote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

CliResult RunShell(const std::string& setup, const std::vector<std::string>& arguments) {
    TemporaryFolder folder;
    std::string command = setup + Quote(LINEWRIGHT_CLI);
    // Appended piece by piece: GCC 12 warns falsely about "literal" + string here.
    for (const auto& argument : arguments)
        command.append(" ").append(Quote(argument));
    command.append(" >").append(Quote(folder / "out"));
    command.append(" 2>").append(Quote(folder / "err"));
    const int raw = std::system(command.c_str());
    CliResult result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = ReadFile(folder / "out");
    result.err = ReadFile(folder / "err");
    return result;
}

}  // namespace

const bool FileSizeLimits = true;

std::string MissingFileReason() { return "No such file or directory"; }

CliResult RunCli(const std::vector<std::string>& arguments) { return RunShell("", arguments); }

CliResult RunCliWithFileLimit(const std::vector<std::string>& arguments, int kilobytes) {
    // An ignored signal stays ignored across exec, so the write fails instead of the program.
    return RunShell("trap '' XFSZ; ulimit -f " + std::to_string(kilobytes) + "; exec ", arguments);
}
