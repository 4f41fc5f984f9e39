#pragma once

#include <string>
#include <string_view>

// Text at the Win32 calls: UTF-16 there, UTF-8 everywhere else in the program.
namespace Tessel::Util {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
// The system's message text for a Win32 error code, without its closing line break.
std::string GetSystemMessage(unsigned long code);

}  // namespace Tessel::Util
