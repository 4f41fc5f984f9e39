#include "Util/FaultReport.h"

namespace Tessel::Util {

namespace {

constexpr int AddressDigits = sizeof(std::uintptr_t) * 2;

void AppendPadded(ReportText& text, std::string_view column, std::size_t width) {
    text.Append(column);
    for (auto length = column.size(); length < width; ++length)
        text.Append(" ");
}

}  // namespace

void WriteFaultAddress(ReportText& text, std::uintptr_t address, const LogicalAddress& logical) noexcept {
    if (!logical.module)
        return;
    text.Append("Fault address: ");
    text.AppendHex(address, AddressDigits);
    text.Append(" ");
    text.AppendHex(logical.offset, AddressDigits);
    text.Append(" ");
    text.Append(logical.module);
    text.Append("\n");
}

void WriteRegisters(ReportText& text, std::span<const NamedRegister> registers) noexcept {
    constexpr std::size_t PerLine = 4;
    text.Append("Registers:\n");
    for (std::size_t index = 0; index < registers.size(); ++index) {
        const auto& entry = registers[index];
        text.Append(entry.name);
        text.Append("=");
        text.AppendHex(entry.value, entry.digits);
        const bool endsLine = index % PerLine == PerLine - 1 || index + 1 == registers.size();
        text.Append(endsLine ? "\n" : " ");
    }
}

void WriteCallStackHeading(ReportText& text) noexcept {
    constexpr std::size_t Width = 2 + AddressDigits + 1;
    text.Append("\nCall Stack\n");
    AppendPadded(text, "Address", Width);
    AppendPadded(text, "Logical Addr", Width);
    text.Append("Module\n");
}

void WriteStackLine(ReportText& text, std::uintptr_t address, const LogicalAddress& logical) noexcept {
    text.AppendHex(address, AddressDigits);
    text.Append(" ");
    text.AppendHex(logical.offset, AddressDigits);
    text.Append(" ");
    text.Append(logical.module ? logical.module : "");
    text.Append("\n");
}

}  // namespace Tessel::Util
