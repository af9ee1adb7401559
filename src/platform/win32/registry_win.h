#pragma once
#include "platform/registry.h"

namespace tw {

// The registry through the W APIs, in the process's native view. Every call
// opens its key, acts and closes it again.
class Win32Registry final : public Registry {
public:
    bool KeyExists(RootKey root, std::string_view path) const override;
    bool CreateKey(RootKey root, std::string_view path) override;
    std::optional<std::vector<std::string>> SubKeyNames(RootKey root, std::string_view path) const override;
    std::optional<std::vector<std::string>> ValueNames(RootKey root, std::string_view path) const override;
    std::optional<RegValue> ReadValue(RootKey root, std::string_view path, std::string_view name) const override;
    std::optional<std::vector<std::string>> SubKeyNames(RootKey root, std::string_view path,
                                                        KeyAccess access) const override;
    std::optional<RegValue> ReadValue(RootKey root, std::string_view path, std::string_view name,
                                      KeyAccess access) const override;
    bool WriteValue(RootKey root, std::string_view path, std::string_view name, const RegValue& value) override;
    bool DeleteValue(RootKey root, std::string_view path, std::string_view name) override;
    bool DeleteKeyTree(RootKey root, std::string_view path) override;
};

}  // namespace tw
