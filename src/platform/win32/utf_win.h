#pragma once
#include <string>
#include <string_view>

#include "platform/win32/windows_win.h"

namespace tw::win32 {

// WTF-8 <-> UTF-16 at the W API boundary (see platform/text.h): lossless for
// any sequence of units. Invalid UTF-8 becomes U+FFFD, never an exception.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
// A path for the file calls: widened, and past the classic limit in its
// "\\?\" form, so a deep entry is reached rather than missed.
std::wstring ApiPath(std::string_view path);

// The OS's own text for an error code (a Win32 error or an HRESULT), without
// the trailing line break FormatMessageW appends; a number when the system
// has no text for it.
std::string ErrorText(DWORD code);
std::string LastErrorText();
[[noreturn]] void ThrowError(DWORD code);
[[noreturn]] void ThrowLastError();

}  // namespace tw::win32
