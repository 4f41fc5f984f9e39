#include "tests/Cli/RunCli.h"

#include "testing/TemporaryFolder.h"
#include "Util/FileSystem.h"
#include "Util/Windows/WideText.h"

#include <windows.h>

namespace {

// One argument as CommandLineToArgvW reads it back: backslashes double only before a quote.
std::wstring Quote(const std::wstring& text) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : text) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, L'\\');
    return quoted + L"\"";
}

HANDLE CreateOutput(const std::filesystem::path& path) {
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Wine, busy, has been seen to fail to start a process now and then: a start is tried three times.
bool StartProcess(std::wstring& command, STARTUPINFOW& startup, PROCESS_INFORMATION& process) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
            return true;
        ::Sleep(200);
    }
    return false;
}

}  // namespace

const bool FileSizeLimits = false;

std::string MissingFileReason() { return Tessel::Util::GetSystemMessage(ERROR_PATH_NOT_FOUND); }

// Started with CreateProcessW, as a player's shell starts it: the arguments travel as UTF-16.
CliResult RunCli(const std::vector<std::string>& arguments) {
    TemporaryFolder folder;
    std::wstring command = Quote(Tessel::Util::Widen(LINEWRIGHT_CLI));
    for (const auto& argument : arguments)
        command += L" " + Quote(Tessel::Util::Widen(argument));
    const HANDLE out = CreateOutput(folder / "out");
    const HANDLE err = CreateOutput(folder / "err");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    CliResult result;
    if (StartProcess(command, startup, process)) {
        ::WaitForSingleObject(process.hProcess, INFINITE);
        DWORD status = 0;
        ::GetExitCodeProcess(process.hProcess, &status);
        result.status = static_cast<int>(status);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    ::CloseHandle(out);
    ::CloseHandle(err);
    result.out = ReadFile(folder / "out");
    result.err = ReadFile(folder / "err");
    return result;
}

CliResult RunCliWithFileLimit(const std::vector<std::string>& arguments, int) { return RunCli(arguments); }
