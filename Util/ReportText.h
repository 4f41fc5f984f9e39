#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace Tessel::Util {

// A text of fixed capacity for reports made inside a signal handler, where nothing may allocate.
// Text beyond the capacity is dropped.
class ReportText {
public:
    void Append(std::string_view text) noexcept;
    // "0x" and upper-case hexadecimal digits, zero-padded to digits.
    void AppendHex(std::uint64_t value, int digits) noexcept;
    void AppendDecimal(std::uint64_t value) noexcept;

    std::string_view View() const noexcept { return {buffer.data(), length}; }

private:
    std::array<char, 32 * 1024> buffer;
    std::size_t length = 0;
};

}  // namespace Tessel::Util
