#include "Util/AbortHandler.h"

#include "Util/Exception.h"
#include "Util/InstalledAbortHandler.h"
#include "Util/Windows/FaultState.h"
#include "Util/Windows/WideText.h"

#include <atomic>
#include <csignal>
#include <exception>
#include <optional>

namespace Tessel::Util {

namespace {

// Stack that the system keeps back for the handler of a stack overflow on the scope's thread.
constexpr ULONG StackGuarantee = 64 * 1024;
// The stack of the thread that reports a stack overflow.
constexpr SIZE_T ReporterStack = 256 * 1024;
// C++ exceptions of this runtime travel as structured exceptions with this code in their low
// bits ("GCC"). One that no frame catches must go on to std::terminate, as mingw's own filter
// lets it.
constexpr DWORD CppExceptionCode = 0x00474343;

std::atomic_flag reporting = ATOMIC_FLAG_INIT;
// The report's text is large; it stays off the stack of the thread that faulted.
std::optional<XProcessorException> report;
// The error file's paths for CreateFileW, converted at fault time into fixed buffers.
wchar_t wideErrorFile[1024];
wchar_t wideTemporaryFile[1024];

bool WriteAll(HANDLE file, std::string_view bytes) noexcept {
    while (!bytes.empty()) {
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

[[noreturn]] void ReportFault(std::string_view title, const CONTEXT& context, const EXCEPTION_RECORD* record) noexcept {
    // A fault while reporting ends the process at once rather than looping.
    if (reporting.test_and_set())
        ::ExitProcess(1);
    report.emplace(title, FaultState{context, record});
    InstalledAbortHandler().load()->Report(*report);
    ::ExitProcess(1);  // only if a handler broke its promise not to return
}

[[noreturn]] void ReportHere(std::string_view title) noexcept {
    CONTEXT context;
    ::RtlCaptureContext(&context);
    ReportFault(title, context, nullptr);
}

bool IsCppException(const EXCEPTION_RECORD& record) {
    return (record.ExceptionCode & 0x00FFFFFF) == CppExceptionCode &&
           (record.ExceptionFlags & EXCEPTION_NONCONTINUABLE) == 0;
}

LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS* exception) {
    if (IsCppException(*exception->ExceptionRecord))
        return EXCEPTION_CONTINUE_EXECUTION;
    ReportFault("Processor exception\n\n", *exception->ContextRecord, exception->ExceptionRecord);
}

DWORD WINAPI ReportOverflow(void* exception) {
    const auto& pointers = *static_cast<const EXCEPTION_POINTERS*>(exception);
    ReportFault("Processor exception\n\n", *pointers.ContextRecord, pointers.ExceptionRecord);
}

// A stack overflow is caught as soon as it happens, before any frame's handler runs on what is
// left of the stack. Even that may be too little for the report (wine keeps no guaranteed stack
// back), so the report is made on a thread of its own while the faulting thread waits.
LONG WINAPI OnStackOverflow(EXCEPTION_POINTERS* exception) {
    if (exception->ExceptionRecord->ExceptionCode != EXCEPTION_STACK_OVERFLOW)
        return EXCEPTION_CONTINUE_SEARCH;
    const HANDLE reporter = ::CreateThread(nullptr, ReporterStack, ReportOverflow, exception, 0, nullptr);
    if (reporter)
        ::WaitForSingleObject(reporter, INFINITE);
    ::ExitProcess(1);
}

void OnAbort(int) { ReportHere("abort() called\n\n"); }

void OnTerminate() { ReportHere("terminate() called\n\n"); }

}  // namespace

// The report goes to a fresh file beside the error file and replaces it, so a reader never sees
// half a report.
void AbortHandler::WriteErrorFile(const XProcessorException& exception) const noexcept {
    if (WidenInto(errorFilePath, wideErrorFile).empty() || WidenInto(temporaryPath, wideTemporaryFile).empty())
        return;
    ::DeleteFileW(wideTemporaryFile);
    const HANDLE file =
        ::CreateFileW(wideTemporaryFile, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    const bool written = WriteAll(file, heading) && WriteAll(file, exception.GetReport());
    const bool closed = ::CloseHandle(file) != 0;
    if (!written || !closed || !::MoveFileExW(wideTemporaryFile, wideErrorFile, MOVEFILE_REPLACE_EXISTING))
        ::DeleteFileW(wideTemporaryFile);
}

void AbortHandler::TellOnStandardError() const noexcept {
    const HANDLE error = ::GetStdHandle(STD_ERROR_HANDLE);
    if (WriteAll(error, userMessage))
        WriteAll(error, "\n");
}

bool AbortHandler::ShowSystemStopBox() const noexcept {
    static wchar_t text[2048], caption[256];
    const auto wideText = WidenInto(userMessage, text), wideCaption = WidenInto(title, caption);
    return !wideText.empty() && !wideCaption.empty() &&
           ::MessageBoxW(nullptr, wideText.data(), wideCaption.data(),
                         MB_OK | MB_ICONSTOP | MB_TASKMODAL | MB_SETFOREGROUND) != 0;
}

struct AbortHandlerScope::Previous {
    PVOID overflowHandler;
    LPTOP_LEVEL_EXCEPTION_FILTER filter;
    void (*abort)(int);
    std::terminate_handler terminate;
};

// The stack guarantee stays when the scope ends: the system cannot take it back, and it harms nothing.
AbortHandlerScope::AbortHandlerScope(AbortHandler& handler) : previous(std::make_unique<Previous>()) {
    AbortHandler* none = nullptr;
    TESSEL_CHECK(InstalledAbortHandler().compare_exchange_strong(none, &handler));
    XProcessorException::Prepare();

    ULONG guarantee = StackGuarantee;
    ::SetThreadStackGuarantee(&guarantee);
    previous->overflowHandler = ::AddVectoredExceptionHandler(1, OnStackOverflow);
    previous->filter = ::SetUnhandledExceptionFilter(OnUnhandledException);
    previous->abort = std::signal(SIGABRT, OnAbort);
    previous->terminate = std::set_terminate(OnTerminate);
}

AbortHandlerScope::~AbortHandlerScope() {
    std::set_terminate(previous->terminate);
    std::signal(SIGABRT, previous->abort);
    ::SetUnhandledExceptionFilter(previous->filter);
    ::RemoveVectoredExceptionHandler(previous->overflowHandler);
    InstalledAbortHandler().store(nullptr);
}

}  // namespace Tessel::Util
