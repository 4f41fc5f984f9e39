#include "Util/ReportText.h"

#include <algorithm>

namespace Tessel::Util {

void ReportText::Append(std::string_view text) noexcept {
    const auto count = std::min(text.size(), buffer.size() - length);
    std::copy_n(text.data(), count, buffer.data() + length);
    length += count;
}

void ReportText::AppendHex(std::uint64_t value, int digits) noexcept {
    std::array<char, 18> text{'0', 'x'};
    digits = std::clamp(digits, 1, 16);
    for (int index = digits - 1; index >= 0; --index, value >>= 4)
        text[2 + index] = "0123456789ABCDEF"[value & 0xF];
    Append({text.data(), static_cast<std::size_t>(2 + digits)});
}

void ReportText::AppendDecimal(std::uint64_t value) noexcept {
    std::array<char, 20> text;
    auto start = text.end();
    do {
        *--start = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    Append({start, static_cast<std::size_t>(text.end() - start)});
}

}  // namespace Tessel::Util
