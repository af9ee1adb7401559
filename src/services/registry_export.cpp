#include "services/registry_export.h"

#include <algorithm>
#include <array>

#include "services/export_format.h"

namespace tw {
namespace {

struct RootKeyRow {
    RootKey root;
    std::string_view name;
};

constexpr std::array kRootKeys{
    RootKeyRow{kClassesRoot, "HKEY_CLASSES_ROOT"},
    RootKeyRow{kCurrentUser, "HKEY_CURRENT_USER"},
    RootKeyRow{kLocalMachine, "HKEY_LOCAL_MACHINE"},
    RootKeyRow{kUsers, "HKEY_USERS"},
    RootKeyRow{kPerformanceData, "HKEY_PERFORMANCE_DATA"},
    RootKeyRow{kCurrentConfig, "HKEY_CURRENT_CONFIG"},
    RootKeyRow{kDynData, "HKEY_DYN_DATA"},
};

std::string SubKeyPath(std::string_view keyPath, std::string_view name) {
    if (keyPath.empty()) return std::string(name);
    std::string path(keyPath);
    path += '\\';
    path += name;
    return path;
}

}  // namespace

std::string RootKeyName(RootKey root) {
    for (const RootKeyRow& row : kRootKeys) {
        if (row.root == root) return std::string(row.name);
    }
    return {};
}

RootKey RootKeyFromName(std::string_view name) {
    for (const RootKeyRow& row : kRootKeys) {
        if (row.name == name) return row.root;
    }
    return kLocalMachine;
}

std::optional<std::string> NormalKeyPath(std::string_view path) {
    std::string normal;
    for (std::size_t start = 0; start <= path.size();) {
        const std::size_t end = std::min(path.find('\\', start), path.size());
        if (end > start) {
            if (!normal.empty()) normal += '\\';
            normal += path.substr(start, end - start);
        }
        start = end + 1;
    }
    if (normal.empty()) return std::nullopt;
    return normal;
}

std::string KeyLine(RootKey root, std::string_view keyPath) {
    std::string line(1, '[');
    line += RootKeyName(root);
    if (!keyPath.empty()) {
        line += '\\';
        line += keyPath;
    }
    line += ']';
    return line;
}

std::string DeleteValueLine(std::string_view valueName) {
    return QuotedExportText(valueName) + "=-";
}

void WriteValueLine(ExportBuffer& buffer, const Registry& registry, RootKey root, std::string_view keyPath,
                    std::string_view valueName) {
    if (!RegistryFileCanCarry(valueName)) return;
    std::optional<RegValue> value = registry.ReadValue(root, keyPath, valueName);
    if (!value) return;
    buffer.AddValue(std::string(valueName), std::move(*value));
}

void WriteKeyTree(ExportBuffer& buffer, const Registry& registry, RootKey root, std::string_view keyPath) {
    if (!RegistryFileCanCarry(keyPath)) return;
    const auto valueNames = registry.ValueNames(root, keyPath);
    const auto subKeyNames = registry.SubKeyNames(root, keyPath);
    if (!valueNames || !subKeyNames) return;
    buffer.AddLine(KeyLine(root, keyPath));
    for (const std::string& name : *valueNames) WriteValueLine(buffer, registry, root, keyPath, name);
    buffer.AddLine(std::string());
    for (const std::string& name : *subKeyNames) {
        WriteKeyTree(buffer, registry, root, SubKeyPath(keyPath, name));
    }
}

}  // namespace tw
