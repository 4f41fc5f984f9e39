#pragma once

#include "Util/Exception.h"
#include "Util/ReportText.h"

#include <string>
#include <string_view>

namespace Tessel::Util {

// The machine's state at a fault as the platform hands it over: the context and, for a processor
// exception, its record (Util/Posix/FaultState.h, Util/Windows/FaultState.h).
struct FaultState;

// The report of a fault that ends the program: a title, the exception with its name, the fault
// address as module and offset, the processor's registers and the call stack. It is made inside
// fault handlers, so it never allocates: the text lives in a buffer of fixed size, and what
// needs memory (the unwinder's first use, the program's own path) is done beforehand by Prepare.
class XProcessorException : public RuntimeError {
public:
    // title ends with its own blank line ("Processor exception\n\n").
    XProcessorException(std::string_view title, const FaultState& fault) noexcept;

    std::string GetMessageText() const override;
    std::string_view GetReport() const noexcept { return text.View(); }

    // Call before a report can be made; calling again does no harm.
    static void Prepare();

private:
    ReportText text;
};

}  // namespace Tessel::Util
