#include "services/export_format.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/text.h"

namespace tw {
namespace {

std::string ValuePrefix(std::string_view name) {
    if (name.empty()) return "@=";
    return QuotedExportText(name) + '=';
}

std::string DwordForm(std::uint32_t number) {
    char text[16];
    std::snprintf(text, sizeof text, "dword:%8.8x", static_cast<unsigned>(number));
    return text;
}

// The registry editor reads the type in hex(n) as hexadecimal; a decimal
// number would restore REG_QWORD (11) as type 17. Below 10 both agree.
std::string HexTypePrefix(std::uint32_t type) {
    char text[24];
    std::snprintf(text, sizeof text, "hex(%x):", static_cast<unsigned>(type));
    return text;
}

// Raw UTF-16LE data as code units, embedded zeros kept; nullopt for an odd
// number of bytes, which no text form can carry.
std::optional<std::u16string> CodeUnits(const std::vector<std::uint8_t>& data) {
    if (data.size() % 2 != 0) return std::nullopt;
    std::u16string units(data.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    }
    return units;
}

// The quoted form imports as its text and one terminating zero, and a line
// break ends the line: it fits only data that is exactly that.
bool HasTextForm(const RegValue& value) {
    const std::optional<std::u16string> units = CodeUnits(value.data);
    if (!units || units->empty() || units->back() != u'\0') return false;
    return std::none_of(units->begin(), units->end() - 1,
                        [](char16_t unit) { return unit == u'\0' || unit == u'\r' || unit == u'\n'; });
}

// The forms every file shares; nullopt for the string types, whose hex
// bytes differ between the two files.
std::optional<std::string> CommonDataForm(const RegValue& value) {
    switch (value.type) {
        case RegType::Sz:
            if (HasTextForm(value)) return QuotedExportText(value.Text());
            return std::nullopt;
        case RegType::Binary: return "hex:" + HexBytes(value.data);
        case RegType::Dword:
            // Any other length would be cut or padded by the dword form.
            if (value.data.size() == 4) return DwordForm(*value.AsDword());
            return HexTypePrefix(value.type) + HexBytes(value.data);
        case RegType::ExpandSz:
        case RegType::MultiSz: return std::nullopt;
        default: return HexTypePrefix(value.type) + HexBytes(value.data);
    }
}

// Converts piece by piece so the zeros between the strings of a
// REG_MULTI_SZ survive whatever the converter does with them.
std::optional<std::string> AnsiBytesKeepingZeros(std::u16string_view units, const System& system) {
    std::string bytes;
    std::size_t start = 0;
    for (;;) {
        const std::size_t zero = std::min(units.find(u'\0', start), units.size());
        if (zero > start) {
            const std::optional<std::string> piece = system.ToAnsi(units.substr(start, zero - start));
            if (!piece) return std::nullopt;
            bytes += *piece;
        }
        if (zero == units.size()) return bytes;
        bytes.push_back('\0');
        start = zero + 1;
    }
}

std::string UpperHexCodes(std::string_view bytes) {
    std::string text;
    char code[4];
    for (const char byte : bytes) {
        std::snprintf(code, sizeof code, "%02X,", static_cast<unsigned>(static_cast<unsigned char>(byte)));
        text += code;
    }
    return text;
}

// In a REGEDIT4 file the editor reads the hex bytes of a string type as
// ANSI text and stores it as UTF-16, adding a terminating zero when the
// bytes lack one. So only data of whole units that ends in a zero unit (or
// no data at all) and whose every piece has an exact ANSI form fits; all
// else goes to the version 5.00 file, which takes the bytes as they are.
// (Wine's editor adds the zero unit there too, and fails on data of one
// byte: such data is written for Windows' editor, and cannot be restored
// under Wine.)
std::optional<std::string> Regedit4StringTypeForm(const RegValue& value, const System& system) {
    if (value.data.empty()) return HexTypePrefix(value.type);
    const std::optional<std::u16string> units = CodeUnits(value.data);
    if (!units || units->back() != u'\0') return std::nullopt;
    const std::optional<std::string> ansi = AnsiBytesKeepingZeros(*units, system);
    if (!ansi) return std::nullopt;
    if (value.type == RegType::ExpandSz) {
        return HexTypePrefix(value.type) + UpperHexCodes(std::string_view(*ansi).substr(0, ansi->size() - 1)) + "00";
    }
    const auto* first = reinterpret_cast<const std::uint8_t*>(ansi->data());
    return HexTypePrefix(value.type) + HexBytes({first, ansi->size()});
}

}  // namespace

std::string EscapeExportText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        if (c == '"' || c == '\\') escaped.push_back('\\');
        escaped.push_back(c);
    }
    return escaped;
}

std::string QuotedExportText(std::string_view text) {
    std::string quoted(1, '"');
    quoted += EscapeExportText(text);
    quoted += '"';
    return quoted;
}

std::string HexBytes(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 3);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0) text.push_back(',');
        text.push_back(kDigits[bytes[i] >> 4]);
        text.push_back(kDigits[bytes[i] & 0x0f]);
    }
    return text;
}

std::optional<std::string> Regedit4ValueLine(std::string_view name, const RegValue& value,
                                             const System& system) {
    std::optional<std::string> data = CommonDataForm(value);
    if (!data) data = Regedit4StringTypeForm(value, system);
    if (!data) return std::nullopt;
    return ValuePrefix(name) + *data;
}

std::string Version5ValueLine(std::string_view name, const RegValue& value) {
    std::optional<std::string> data = CommonDataForm(value);
    if (!data) data = HexTypePrefix(value.type) + HexBytes(value.data);
    return ValuePrefix(name) + *data;
}

bool RegistryFileCanCarry(std::string_view name) { return name.find_first_of("\r\n") == std::string_view::npos; }

}  // namespace tw
