#include "platform/win32/utf_win.h"

#include <cstdio>

#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/text.h"

namespace tw::win32 {

// The portable converters, not the system's: MultiByteToWideChar and
// WideCharToMultiByte turn a lone surrogate into U+FFFD, and a name read
// that way could never be opened, backed up or deleted again.
std::wstring Widen(std::string_view utf8) {
    const std::u16string units = Utf8ToUtf16(utf8);
    return {units.begin(), units.end()};
}

std::string Narrow(std::wstring_view utf16) {
    return Utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(utf16.data()), utf16.size()));
}

std::wstring ApiPath(std::string_view path) { return Widen(LongPathForm(path)); }

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
