#include <cstring>

#include "platform/registry.h"
#include "platform/text.h"

namespace tw {
namespace {

void AppendUtf16(std::vector<std::uint8_t>& out, std::u16string_view text) {
    for (char16_t c : text) {
        out.push_back(static_cast<std::uint8_t>(c & 0xFF));
        out.push_back(static_cast<std::uint8_t>(c >> 8));
    }
}

}  // namespace

RegValue RegValue::String(std::string_view utf8, std::uint32_t type) {
    RegValue v{type, {}};
    AppendUtf16(v.data, Utf8ToUtf16(utf8));
    AppendUtf16(v.data, std::u16string(1, u'\0'));
    return v;
}

RegValue RegValue::MultiString(const std::vector<std::string>& items) {
    RegValue v{RegType::MultiSz, {}};
    for (const auto& item : items) {
        AppendUtf16(v.data, Utf8ToUtf16(item));
        AppendUtf16(v.data, std::u16string(1, u'\0'));
    }
    AppendUtf16(v.data, std::u16string(1, u'\0'));
    return v;
}

RegValue RegValue::Dword(std::uint32_t value) {
    RegValue v{RegType::Dword, std::vector<std::uint8_t>(4)};
    for (int i = 0; i < 4; ++i) v.data[i] = static_cast<std::uint8_t>(value >> (8 * i));
    return v;
}

RegValue RegValue::Binary(std::vector<std::uint8_t> bytes, std::uint32_t type) {
    return RegValue{type, std::move(bytes)};
}

std::u16string RegValue::Utf16() const {
    std::u16string out;
    for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
        const auto c = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
        if (c == 0) break;
        out += c;
    }
    return out;
}

std::string RegValue::Text() const { return Utf16ToUtf8(Utf16()); }

std::optional<std::uint32_t> RegValue::AsDword() const {
    if (type != RegType::Dword || data.size() != 4) return std::nullopt;
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | data[i];
    return value;
}

}  // namespace tw
