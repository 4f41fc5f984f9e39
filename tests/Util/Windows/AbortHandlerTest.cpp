#include "Util/AbortHandler.h"
#include "Util/Windows/FaultState.h"
#include "Util/Windows/WideText.h"
#include "testing/TemporaryFolder.h"
#include "tests/Util/AbortHandlerTesting.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>

using namespace Tessel::Util;

namespace {

int* volatile nowhere = nullptr;

struct Fault {
    const wchar_t* name;
    void (*raise)();
    const char* title;
    const char* codeLine;  // the whole line, or null for a report without one
};

const Fault faults[] = {
    {L"access", [] { sink = *nowhere; }, "Processor exception", "Exception code: 0xC0000005 ACCESS_VIOLATION"},
    {L"divide", [] { sink = sink / zero; }, "Processor exception", "Exception code: 0xC0000094 INT_DIVIDE_BY_ZERO"},
    {L"overflow", [] { sink = Recurse(0); }, "Processor exception", "Exception code: 0xC00000FD STACK_OVERFLOW"},
    {L"abort", [] { std::abort(); }, "abort() called", nullptr},
    {L"terminate", [] { std::terminate(); }, "terminate() called", nullptr},
    {L"throw", [] { throw std::runtime_error("caught by nobody"); }, "terminate() called", nullptr},
};

constexpr const wchar_t* FaultVariable = L"LINEWRIGHT_FAULT";

// Started by RunFault, this program raises the fault that LINEWRIGHT_FAULT names under a handler
// before any test runs, and never returns.
const bool faultRaised = [] {
    wchar_t name[32];
    const DWORD length = ::GetEnvironmentVariableW(FaultVariable, name, std::size(name));
    if (length == 0 || length >= std::size(name))
        return false;
    for (const auto& fault : faults) {
        if (std::wstring_view(fault.name) == name) {
            static ExitingHandler handler;
            static AbortHandlerScope scope(handler);
            fault.raise();
        }
    }
    return true;
}();

// Sets an environment variable, which child processes inherit, for the object's lifetime.
class EnvironmentVariable {
public:
    EnvironmentVariable(const wchar_t* name, const std::wstring& value) : name(name) {
        wchar_t old[1024];
        const DWORD length = ::GetEnvironmentVariableW(name, old, std::size(old));
        if (length > 0 && length < std::size(old))
            saved.emplace(old, length);
        ::SetEnvironmentVariableW(name, value.c_str());
    }
    ~EnvironmentVariable() { ::SetEnvironmentVariableW(name, saved ? saved->c_str() : nullptr); }

private:
    const wchar_t* name;
    std::optional<std::wstring> saved;
};

struct ChildOutcome {
    DWORD exitCode = 0;
    std::vector<std::string> errorFile;
    std::string standardError;
};

// Runs this program as a child that raises the named fault, with the temporary folder pointed
// at folder (GetTempPathW reads TMP first), and collects what it left.
ChildOutcome RunFault(const wchar_t* name, const TemporaryFolder& folder) {
    const std::wstring folderPath = folder.path.wstring() + L"\\";
    const EnvironmentVariable fault(FaultVariable, name), tmp(L"TMP", folderPath), temp(L"TEMP", folderPath);
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    const HANDLE errorOutput = ::CreateFileW((folder / "stderr.txt").c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                             &inheritable, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = errorOutput;
    startup.hStdError = errorOutput;
    wchar_t program[MAX_PATH];
    ::GetModuleFileNameW(nullptr, program, MAX_PATH);
    PROCESS_INFORMATION process{};
    ChildOutcome outcome;
    if (::CreateProcessW(program, nullptr, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        ::WaitForSingleObject(process.hProcess, 60 * 1000);
        ::GetExitCodeProcess(process.hProcess, &outcome.exitCode);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    ::CloseHandle(errorOutput);
    outcome.errorFile = Lines(ReadFile(folder / "LinewrightErr.txt"));
    outcome.standardError = ReadFile(folder / "stderr.txt");
    return outcome;
}

std::vector<std::string> ReportLines(DWORD code) {
    CONTEXT context;
    ::RtlCaptureContext(&context);
    EXCEPTION_RECORD record{};
    record.ExceptionCode = code;
    XProcessorException::Prepare();
    return Lines(XProcessorException("Processor exception\n\n", FaultState{context, &record}).GetMessageText());
}

}  // namespace

TEST(XProcessorException, CodeLineNamesTheException) {
    EXPECT_EQ(ReportLines(0x80000001)[2], "Exception code: 0x80000001 GUARD_PAGE");
    EXPECT_EQ(ReportLines(0xC0000096)[2], "Exception code: 0xC0000096 PRIV_INSTRUCTION");
    EXPECT_EQ(ReportLines(0xC00000FD)[2], "Exception code: 0xC00000FD STACK_OVERFLOW");
    // A code missing from the table takes the system's text for it.
    const auto unnamed = ReportLines(0xC0000017)[2];
    EXPECT_TRUE(unnamed.starts_with("Exception code: 0xC0000017 ")) << unnamed;
}

TEST(AbortHandlerScope, InstallsForItsLifetimeAndRestoresAfter) {
    const auto filterBefore = ::SetUnhandledExceptionFilter(nullptr);
    ::SetUnhandledExceptionFilter(filterBefore);
    ExpectInstalledOnlyInItsScope();
    EXPECT_EQ(::SetUnhandledExceptionFilter(filterBefore), filterBefore);
}

TEST(AbortHandlerChild, EveryFaultLeavesTheErrorFileAndExitsWithOne) {
    for (const auto& fault : faults) {
        SCOPED_TRACE(Narrow(fault.name));
        TemporaryFolder folder;
        const auto outcome = RunFault(fault.name, folder);
        EXPECT_EQ(outcome.exitCode, 1u);
        EXPECT_NE(outcome.standardError.find("Linewright stopped on an unexpected fault. The report is in "),
                  std::string::npos) << outcome.standardError;
        EXPECT_NE(outcome.standardError.find("LinewrightErr.txt."), std::string::npos) << outcome.standardError;
        const auto& lines = outcome.errorFile;
        ExpectErrorFile(lines, fault.title, fault.codeLine);
        const std::size_t next = fault.codeLine ? 4 : 3;
        ASSERT_GT(lines.size(), next + 12);
        EXPECT_TRUE(lines[next].ends_with("UtilTests.exe")) << lines[next];
        EXPECT_TRUE(lines[next + 6].starts_with("RIP=0x")) << lines[next + 6];
        // The walk reaches past the faulting function into its callers in this program.
        EXPECT_TRUE(lines[next + 12].ends_with("UtilTests.exe")) << lines[next + 12];
    }
}

TEST(AbortHandlerChild, UnwritableErrorFileStillEndsTheProcess) {
    TemporaryFolder folder;
    std::filesystem::create_directory(folder / "LinewrightErr.txt");
    EXPECT_EQ(RunFault(L"divide", folder).exitCode, 1u);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "LinewrightErr.txt"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path), {}), 2);  // and stderr.txt
}
