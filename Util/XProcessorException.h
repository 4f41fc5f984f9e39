#pragma once

#include "Util/Exception.h"
#include "Util/ReportText.h"

#include <csignal>
#include <cstdint>
#include <string>
#include <string_view>
#include <ucontext.h>

namespace Tessel::Util {

// The report of a fault that ends the program: a title, the signal with its meaning, the fault
// address as module and offset, the processor's registers and the call stack. It is made inside
// signal handlers, so it never allocates: the text lives in a buffer of fixed size, and what
// needs memory (the unwinder's first use, the program's own path) is done beforehand by Prepare.
class XProcessorException : public RuntimeError {
public:
    // title ends with its own blank line ("Processor exception\n\n"). signal is the record of a
    // processor exception, or null for a fault that has none (abort, terminate).
    XProcessorException(std::string_view title, const ucontext_t& context, const siginfo_t* signal) noexcept;

    std::string GetMessageText() const override;
    std::string_view GetReport() const noexcept { return text.View(); }

    // Call before a report can be made; calling again does no harm.
    static void Prepare();

private:
    void WriteExceptionCode(const siginfo_t& signal, const ucontext_t& context) noexcept;
    void WriteFaultAddress(std::uintptr_t instruction) noexcept;
    void WriteRegisters(const ucontext_t& context) noexcept;
    void WriteCallStack(std::uintptr_t instruction) noexcept;
    void WriteStackLine(std::uintptr_t address) noexcept;

    ReportText text;
};

}  // namespace Tessel::Util
