#pragma once

#include <span>
#include <string>
#include <string_view>

// Text at the Win32 calls: UTF-16 there, UTF-8 everywhere else in the program.
namespace Tessel::Util {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
// The same into a buffer of fixed size, for fault handlers that must not allocate: the text with
// a closing null character, or empty when it does not fit.
std::wstring_view WidenInto(std::string_view utf8, std::span<wchar_t> buffer) noexcept;
std::string_view NarrowInto(std::wstring_view utf16, std::span<char> buffer) noexcept;
// The system's message text for a Win32 error code, without its closing line break.
std::string GetSystemMessage(unsigned long code);

}  // namespace Tessel::Util
