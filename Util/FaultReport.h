#pragma once

#include "Util/ReportText.h"

#include <cstdint>
#include <span>
#include <string_view>

// The lines of a fault report that read the same on every platform; each platform's
// XProcessorException finds the values. Nothing here allocates.
namespace Tessel::Util {

// A code address as its module's path and its offset from the module's base; no module when the
// address lies in none.
struct LogicalAddress {
    std::uintptr_t offset = 0;
    const char* module = nullptr;
};

struct NamedRegister {
    std::string_view name;
    std::uint64_t value;
    int digits;
};

// "Fault address: <address> <offset> <module>"; left out when the address lies in no module.
void WriteFaultAddress(ReportText& text, std::uintptr_t address, const LogicalAddress& logical) noexcept;
// "Registers:", then four registers to a line.
void WriteRegisters(ReportText& text, std::span<const NamedRegister> registers) noexcept;
// A blank line, "Call Stack" and the line of column names.
void WriteCallStackHeading(ReportText& text) noexcept;
// One frame: its address, the offset in its module and the module's path.
void WriteStackLine(ReportText& text, std::uintptr_t address, const LogicalAddress& logical) noexcept;

}  // namespace Tessel::Util
