#pragma once

#include "Util/XProcessorException.h"

#include <memory>
#include <string>
#include <string_view>

namespace Tessel::Util {

// Ends the program on a fault that no catch clause can see: a processor exception, abort or
// terminate. The application derives its own handler to tell the user in its own way; the base
// keeps the error file "<title>Err.txt" in the temporary directory, with every text that a report
// needs made up front, because reports are written from signal handlers.
class AbortHandler {
public:
    explicit AbortHandler(std::string_view applicationTitle);
    virtual ~AbortHandler();
    AbortHandler(const AbortHandler&) = delete;
    AbortHandler& operator=(const AbortHandler&) = delete;

    // Tells of the fault and ends the process with exit status 1. Runs inside a signal handler or
    // the terminate handler, so it must neither allocate nor return.
    [[noreturn]] virtual void Report(const XProcessorException& exception) noexcept = 0;

    // The handler of the AbortHandlerScope in force; an assertion fails when there is none.
    static AbortHandler& Instance();

    const std::string& GetErrorFilePath() const { return errorFilePath; }
    // "<title> stopped on an unexpected fault. The report is in <error file>."
    const std::string& GetUserMessage() const { return userMessage; }

protected:
    // Replaces the error file by the heading ("<title> Version 1,2,1,1 Error File") and the
    // report. Checks nothing: when the file cannot be written, the old one stays as it was.
    void WriteErrorFile(const XProcessorException& exception) const noexcept;
    // Writes the user message and a newline to standard error.
    void TellOnStandardError() const noexcept;
    // Shows the user message in the system's own box with the stop icon, which any thread may show,
    // and returns once the user closes it; false where the system has no such box (POSIX).
    bool ShowSystemStopBox() const noexcept;

private:
    std::string title;
    std::string errorFilePath;
    std::string temporaryPath;
    std::string heading;
    std::string userMessage;
};

// Sends processor exceptions (on POSIX the signals SIGSEGV, SIGBUS, SIGFPE and SIGILL, on Windows
// structured exceptions; handled on a stack of their own so that a stack overflow still reports),
// abort and std::terminate to a handler's Report for its lifetime, and puts back the previous
// handlers afterwards. Scopes do not nest.
class AbortHandlerScope {
public:
    // handler must outlive the scope.
    explicit AbortHandlerScope(AbortHandler& handler);
    ~AbortHandlerScope();
    AbortHandlerScope(const AbortHandlerScope&) = delete;
    AbortHandlerScope& operator=(const AbortHandlerScope&) = delete;

private:
    // The handlers this scope replaced, as the platform keeps them.
    struct Previous;
    std::unique_ptr<Previous> previous;
};

}  // namespace Tessel::Util
