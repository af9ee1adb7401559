#include "platform/reg_key.h"

#include "platform/error.h"

namespace tw {

bool RegKey::Open(std::string_view path, bool create) {
    Close();
    const bool ok = create ? registry_.CreateKey(root_, path) : registry_.KeyExists(root_, path);
    if (ok) {
        path_ = path;
        open_ = true;
    }
    return ok;
}

bool RegKey::ValueExists(std::string_view name) const {
    return open_ && registry_.ReadValue(root_, path_, name).has_value();
}

std::string RegKey::ReadString(std::string_view name) const {
    if (!open_) return {};
    const auto value = registry_.ReadValue(root_, path_, name);
    if (!value) return {};
    if (!value->IsStringType()) throw Error(FormatText("Invalid data type for '%s'", name));
    return value->Text();
}

std::uint32_t RegKey::ReadDword(std::string_view name) const {
    const auto value = open_ ? registry_.ReadValue(root_, path_, name) : std::nullopt;
    if (!value || value->data.size() > 4) throw Error(FormatText("Failed to get data for '%s'", name));
    if (value->type != RegType::Dword) throw Error(FormatText("Invalid data type for '%s'", name));
    std::uint32_t number = 0;
    for (std::size_t i = value->data.size(); i-- > 0;) number = (number << 8) | value->data[i];
    return number;
}

void RegKey::WriteString(std::string_view name, std::string_view text) {
    if (!open_ || !registry_.WriteValue(root_, path_, name, RegValue::String(text)))
        throw Error(FormatText("Failed to set data for '%s'", name));
}

void RegKey::WriteDword(std::string_view name, std::uint32_t number) {
    if (!open_ || !registry_.WriteValue(root_, path_, name, RegValue::Dword(number)))
        throw Error(FormatText("Failed to set data for '%s'", name));
}

bool RegKey::DeleteValue(std::string_view name) {
    return open_ && registry_.DeleteValue(root_, path_, name);
}

}  // namespace tw
