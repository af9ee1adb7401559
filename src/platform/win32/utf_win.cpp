#include "platform/win32/utf_win.h"

#include <climits>
#include <cstdio>

#include "platform/error.h"

namespace tw::win32 {

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty()) return {};
    if (utf8.size() > INT_MAX) throw Error("Text too long");
    const int inLength = static_cast<int>(utf8.size());
    const int count = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), inLength, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(count), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), inLength, wide.data(), count);
    return wide;
}

std::string Narrow(std::wstring_view utf16) {
    if (utf16.empty()) return {};
    if (utf16.size() > INT_MAX) throw Error("Text too long");
    const int inCount = static_cast<int>(utf16.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), inCount, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), inCount, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

std::string ErrorText(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD count = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text;
    if (count != 0 && buffer != nullptr) text.assign(buffer, count);
    if (buffer != nullptr) LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r')) text.pop_back();
    if (text.empty()) {
        char number[32];
        std::snprintf(number, sizeof number, "Error %lu (0x%08lX)", static_cast<unsigned long>(code),
                      static_cast<unsigned long>(code));
        return number;
    }
    return Narrow(text);
}

std::string LastErrorText() { return ErrorText(GetLastError()); }

void ThrowError(DWORD code) { throw Error(ErrorText(code)); }

void ThrowLastError() { ThrowError(GetLastError()); }

}  // namespace tw::win32
