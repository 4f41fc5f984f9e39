#include "Util/AbortHandler.h"
#include "Util/Posix/FaultState.h"
#include "Util/ReportText.h"
#include "testing/TemporaryFolder.h"
#include "tests/Util/AbortHandlerTesting.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <unistd.h>

using namespace Tessel::Util;

namespace {

// The sanitizers would stop a division by zero before the processor does.
__attribute__((no_sanitize("integer-divide-by-zero"))) int Divide(int dividend, int divisor) {
    return dividend / divisor;
}

siginfo_t MakeSignal(int number, int code) {
    siginfo_t signal = {};
    signal.si_signo = number;
    signal.si_code = code;
    return signal;
}

std::string ReportFor(const siginfo_t* signal) {
    ucontext_t context;
    ::getcontext(&context);
    return XProcessorException("Processor exception\n\n", FaultState{context, signal}).GetMessageText();
}

// Runs fault in a child process with the temporary directory pointed at a fresh folder and
// expects exit status 1 and the user message.
class AbortHandlerChild : public ::testing::Test {
protected:
    void SetUp() override {
        const char* old = std::getenv("TMPDIR");
        savedTemporary = old ? std::optional<std::string>(old) : std::nullopt;
        ::setenv("TMPDIR", folder.path.c_str(), 1);
    }
    void TearDown() override {
        if (savedTemporary)
            ::setenv("TMPDIR", savedTemporary->c_str(), 1);
        else
            ::unsetenv("TMPDIR");
    }

    TemporaryFolder folder;
    std::optional<std::string> savedTemporary;
};

#define EXPECT_REPORTED_EXIT(statement)                                                     \
    EXPECT_EXIT(                                                                            \
        {                                                                                   \
            ExitingHandler handler;                                                         \
            AbortHandlerScope scope(handler);                                               \
            statement;                                                                      \
        },                                                                                  \
        ::testing::ExitedWithCode(1), "Linewright stopped on an unexpected fault. The report is in .*LinewrightErr.txt")

}  // namespace

TEST(ReportText, FormatsHexDecimalAndStopsAtCapacity) {
    ReportText text;
    text.AppendHex(0xC0000094, 8);
    text.Append(" ");
    text.AppendHex(0x1F, 4);
    text.Append(" ");
    text.AppendDecimal(0);
    text.Append(" ");
    text.AppendDecimal(18446744073709551615u);
    EXPECT_EQ(text.View(), "0xC0000094 0x001F 0 18446744073709551615");

    ReportText full;
    const std::string block(1000, 'x');
    for (int count = 0; count < 40; ++count)
        full.Append(block);
    EXPECT_EQ(full.View().size(), 32u * 1024u);
    full.AppendHex(1, 8);
    EXPECT_EQ(full.View().size(), 32u * 1024u);
}

TEST(XProcessorException, CodeLineNamesTheSignalAndItsMeaning) {
    const auto divide = MakeSignal(SIGFPE, FPE_INTDIV);
    EXPECT_EQ(Lines(ReportFor(&divide))[2], "Exception code: SIGFPE 0x00000001 INT_DIVIDE_BY_ZERO");
    const auto misaligned = MakeSignal(SIGBUS, BUS_ADRALN);
    EXPECT_EQ(Lines(ReportFor(&misaligned))[2], "Exception code: SIGBUS 0x00000001 DATATYPE_MISALIGNMENT");
    const auto privileged = MakeSignal(SIGILL, ILL_PRVOPC);
    EXPECT_EQ(Lines(ReportFor(&privileged))[2], "Exception code: SIGILL 0x00000005 PRIV_INSTRUCTION");
    // A code missing from the table takes the system's description of the signal.
    const auto sent = MakeSignal(SIGSEGV, SI_USER);
    EXPECT_EQ(Lines(ReportFor(&sent))[2], "Exception code: SIGSEGV 0x00000000 Segmentation fault");
}

// The rest of the layout: ExpectErrorFile, for every fault.
TEST(XProcessorException, ReportNamesTheModuleAndStartsTheStackAtTheFault) {
    const auto lines = Lines(ReportFor(nullptr));
    ASSERT_GE(lines.size(), 14u);
    EXPECT_TRUE(lines[2].starts_with("Fault address: 0x")) << lines[2];
    EXPECT_NE(lines[2].find("UtilTests"), std::string::npos) << lines[2];
    EXPECT_NE(lines[9].find("GS=0x"), std::string::npos) << lines[9];
    EXPECT_EQ(lines[12], "Address            Logical Addr       Module");
    // The first frame is the context's own instruction, in this program.
    EXPECT_EQ(lines[13].substr(0, 18), lines[2].substr(15, 18));
}

TEST(AbortHandlerScope, InstallsForItsLifetimeAndRestoresAfter) {
    struct sigaction before;
    ::sigaction(SIGFPE, nullptr, &before);
    ExpectInstalledOnlyInItsScope();
    struct sigaction after;
    ::sigaction(SIGFPE, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
}

struct Fault {
    void (*raise)();
    const char* title;
    const char* codeLine;  // a regular expression, or null for a report without one
};

TEST_F(AbortHandlerChild, EveryFaultLeavesTheErrorFile) {
    const Fault faults[] = {
        {[] { sink = Divide(sink + 7, zero); }, "Processor exception",
         "Exception code: SIGFPE 0x00000001 INT_DIVIDE_BY_ZERO"},
        {[] { sink = Recurse(0); }, "Processor exception", "Exception code: SIGSEGV 0x[0-9A-F]{8} STACK_OVERFLOW"},
        {[] { std::abort(); }, "abort() called", nullptr},
        {[] { std::terminate(); }, "terminate() called", nullptr},
    };
    for (const Fault& fault : faults) {
        EXPECT_REPORTED_EXIT(fault.raise());
        ExpectErrorFile(Lines(ReadFile(folder / "LinewrightErr.txt")), fault.title, fault.codeLine);
    }
}

TEST_F(AbortHandlerChild, UnwritableErrorFileStillEndsTheProcess) {
    std::filesystem::create_directory(folder / "LinewrightErr.txt");
    EXPECT_REPORTED_EXIT(sink = Divide(sink + 7, zero));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "LinewrightErr.txt"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path), {}), 1);
}
