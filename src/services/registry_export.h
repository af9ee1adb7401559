#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "platform/registry.h"
#include "services/export_buffer.h"

namespace tw {

// Empty for a root key outside the table of seven.
std::string RootKeyName(RootKey root);
// Exact, case-sensitive lookup; HKEY_LOCAL_MACHINE for an unknown name.
RootKey RootKeyFromName(std::string_view name);

// The path with single backslashes between non-empty names and none at
// either end ("\\ProgId\\" gives "ProgId"): the key the registry opens. nullopt
// when nothing is left, which would name the root itself.
std::optional<std::string> NormalKeyPath(std::string_view path);

// "[HKEY_...\path]", the line that opens a key's entries.
std::string KeyLine(RootKey root, std::string_view keyPath);
// "\"name\"=-": importing it removes the value.
std::string DeleteValueLine(std::string_view valueName);

// Appends the entry of one value (the empty name is the default value),
// without a key line; nothing when the key or value cannot be read, or the
// name cannot be carried by a registry file.
void WriteValueLine(ExportBuffer& buffer, const Registry& registry, RootKey root, std::string_view keyPath,
                    std::string_view valueName);

// Appends the key and everything below it, parents first. Every key gets
// its key line and an empty line after its values, even a key without
// values, so that importing the file re-creates empty keys too. Keys that
// cannot be opened, or whose names a registry file cannot carry, are skipped.
void WriteKeyTree(ExportBuffer& buffer, const Registry& registry, RootKey root, std::string_view keyPath);

}  // namespace tw
