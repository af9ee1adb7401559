#pragma once
#include <string>
#include <string_view>

#include "platform/text.h"

namespace tw::ui {

// UTF-8 <-> the UTF-16 of the W APIs (wchar_t is 16 bits on Windows).
inline std::wstring Wide(std::string_view text) {
    const auto u16 = Utf8ToUtf16(text);
    return {u16.begin(), u16.end()};
}
inline std::string Narrow(std::wstring_view text) {
    return Utf16ToUtf8(std::u16string(text.begin(), text.end()));
}

}  // namespace tw::ui
