#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace tw::test {

// Keys and values of parts of a registry as sorted lines, one per key
// ("HKEY_...\PATH") and one per value ("HKEY_...\PATH | name | type | bytes"),
// so that two states compare line by line. Key paths are upper-cased, as
// the registry compares them.
class RegistrySnapshot {
public:
    // Adds the key and everything below it; nothing when it is missing.
    void AddTree(const Registry& registry, RootKey root, std::string_view path);
    // What a removal leaves: the key with everything below it, or one value.
    void RemoveKeyTree(RootKey root, std::string_view path);
    void RemoveValue(RootKey root, std::string_view path, std::string_view name);

    const std::vector<std::string>& Lines() const { return lines_; }

private:
    void Collect(const Registry& registry, RootKey root, std::string_view path);
    void Normalize();
    std::vector<std::string> lines_;
};

// "- line" for each line only in expected, "+ line" for each only in actual;
// empty when they are the same.
std::string SnapshotDifferences(const RegistrySnapshot& expected, const RegistrySnapshot& actual);

}  // namespace tw::test
