#include "Util/AbortHandler.h"

#include "Util/Exception.h"
#include "Util/InstalledAbortHandler.h"
#include "Util/Posix/FaultState.h"

#include <array>
#include <atomic>
#include <csignal>
#include <exception>
#include <fcntl.h>
#include <unistd.h>

namespace Tessel::Util {

namespace {

constexpr std::size_t SignalStackSize = 1024 * 1024;
constexpr std::array<int, 4> ProcessorSignals{SIGSEGV, SIGBUS, SIGFPE, SIGILL};

std::atomic_flag reporting = ATOMIC_FLAG_INIT;

bool WriteAll(int file, std::string_view bytes) noexcept {
    while (!bytes.empty()) {
        const auto written = ::write(file, bytes.data(), bytes.size());
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

[[noreturn]] void ReportFault(std::string_view title, const ucontext_t& context, const siginfo_t* signal) noexcept {
    // A fault while reporting ends the process at once rather than looping.
    if (reporting.test_and_set())
        ::_exit(1);
    const XProcessorException report(title, FaultState{context, signal});
    InstalledAbortHandler().load()->Report(report);
    ::_exit(1);  // only if a handler broke its promise not to return
}

void OnProcessorException(int, siginfo_t* signal, void* context) {
    ReportFault("Processor exception\n\n", *static_cast<const ucontext_t*>(context), signal);
}

void OnAbort(int, siginfo_t*, void* context) {
    ReportFault("abort() called\n\n", *static_cast<const ucontext_t*>(context), nullptr);
}

void OnTerminate() {
    ucontext_t context;
    ::getcontext(&context);
    ReportFault("terminate() called\n\n", context, nullptr);
}

struct sigaction MakeAction(void (*handler)(int, siginfo_t*, void*)) {
    struct sigaction action = {};
    action.sa_sigaction = handler;
    // SA_NODEFER lets a fault inside the handler reach it again, where it ends the process.
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    return action;
}

}  // namespace

// The report goes to a fresh file beside the error file and is renamed over it, so a reader
// never sees half a report; O_NOFOLLOW keeps a planted link in the shared temporary directory
// from redirecting the write.
void AbortHandler::WriteErrorFile(const XProcessorException& exception) const noexcept {
    ::unlink(temporaryPath.c_str());
    const int file = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (file < 0)
        return;
    const bool written = WriteAll(file, heading) && WriteAll(file, exception.GetReport());
    const bool closed = ::close(file) == 0;
    if (!written || !closed || ::rename(temporaryPath.c_str(), errorFilePath.c_str()) != 0)
        ::unlink(temporaryPath.c_str());
}

void AbortHandler::TellOnStandardError() const noexcept {
    if (WriteAll(STDERR_FILENO, userMessage))
        WriteAll(STDERR_FILENO, "\n");
}

// Only a toolkit draws boxes here.
bool AbortHandler::ShowSystemStopBox() const noexcept { return false; }

struct AbortHandlerScope::Previous {
    std::unique_ptr<char[]> signalStack{new char[SignalStackSize]};
    stack_t signalStackInUse;
    std::array<struct sigaction, ProcessorSignals.size()> processorActions;
    struct sigaction abortAction;
    std::terminate_handler terminate;
};

AbortHandlerScope::AbortHandlerScope(AbortHandler& handler) : previous(std::make_unique<Previous>()) {
    AbortHandler* none = nullptr;
    TESSEL_CHECK(InstalledAbortHandler().compare_exchange_strong(none, &handler));
    XProcessorException::Prepare();

    stack_t stack = {};
    stack.ss_sp = previous->signalStack.get();
    stack.ss_size = SignalStackSize;
    ::sigaltstack(&stack, &previous->signalStackInUse);
    const auto processorAction = MakeAction(OnProcessorException);
    for (std::size_t index = 0; index < ProcessorSignals.size(); ++index)
        ::sigaction(ProcessorSignals[index], &processorAction, &previous->processorActions[index]);
    const auto abortAction = MakeAction(OnAbort);
    ::sigaction(SIGABRT, &abortAction, &previous->abortAction);
    previous->terminate = std::set_terminate(OnTerminate);
}

AbortHandlerScope::~AbortHandlerScope() {
    std::set_terminate(previous->terminate);
    ::sigaction(SIGABRT, &previous->abortAction, nullptr);
    for (std::size_t index = ProcessorSignals.size(); index-- > 0;)
        ::sigaction(ProcessorSignals[index], &previous->processorActions[index], nullptr);
    ::sigaltstack(&previous->signalStackInUse, nullptr);
    InstalledAbortHandler().store(nullptr);
}

}  // namespace Tessel::Util
