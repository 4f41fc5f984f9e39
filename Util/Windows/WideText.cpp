#include "Util/Windows/WideText.h"

#include <windows.h>

namespace Tessel::Util {

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty())
        return {};
    const int size = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
    return wide;
}

std::string Narrow(std::wstring_view utf16) {
    if (utf16.empty())
        return {};
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), narrow.data(), size, nullptr,
                          nullptr);
    return narrow;
}

std::wstring_view WidenInto(std::string_view utf8, std::span<wchar_t> buffer) noexcept {
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), buffer.data(),
                                             static_cast<int>(buffer.size()) - 1);
    if (length <= 0)
        return {};
    buffer[static_cast<std::size_t>(length)] = L'\0';
    return {buffer.data(), static_cast<std::size_t>(length)};
}

std::string_view NarrowInto(std::wstring_view utf16, std::span<char> buffer) noexcept {
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), buffer.data(),
                                             static_cast<int>(buffer.size()) - 1, nullptr, nullptr);
    if (length <= 0)
        return {};
    buffer[static_cast<std::size_t>(length)] = '\0';
    return {buffer.data(), static_cast<std::size_t>(length)};
}

std::string GetSystemMessage(unsigned long code) {
    wchar_t* buffer = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
        0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer, length);
    ::LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    return Narrow(text);
}

}  // namespace Tessel::Util
