#pragma once
#include <map>
#include <string>

#include "platform/registry.h"

namespace tw::test {

// Every key below a base (by its path relative to it, "" for the base) with
// its values exactly as the registry gives them: names as they are spelled,
// types and raw bytes.
using ExactSnapshot = std::map<std::string, std::map<std::string, RegValue>>;

inline void CollectExact(const Registry& registry, RootKey root, const std::string& base, const std::string& relative,
                         ExactSnapshot& snapshot) {
    const std::string path = relative.empty() ? base : base + "\\" + relative;
    auto& values = snapshot[relative];
    for (const std::string& name : registry.ValueNames(root, path).value_or(std::vector<std::string>{})) {
        values[name] = registry.ReadValue(root, path, name).value_or(RegValue{});
    }
    for (const std::string& name : registry.SubKeyNames(root, path).value_or(std::vector<std::string>{})) {
        CollectExact(registry, root, base, relative.empty() ? name : relative + "\\" + name, snapshot);
    }
}

inline ExactSnapshot TakeExact(const Registry& registry, RootKey root, const std::string& base) {
    ExactSnapshot snapshot;
    if (registry.KeyExists(root, base)) CollectExact(registry, root, base, "", snapshot);
    return snapshot;
}

namespace exact_detail {

inline std::string Describe(const RegValue& value) {
    return "type " + std::to_string(value.type) + ", " + std::to_string(value.data.size()) + " bytes";
}

inline void ReportMissing(const ExactSnapshot& from, const ExactSnapshot& in, const std::string& what,
                          std::string& report) {
    for (const auto& [key, values] : from) {
        const auto found = in.find(key);
        if (found == in.end()) {
            report += what + " key [" + key + "]\n";
            continue;
        }
        for (const auto& [name, value] : values) {
            if (!found->second.contains(name)) report += what + " value [" + key + "] \"" + name + "\"\n";
        }
    }
}

}  // namespace exact_detail

// One line per difference, short enough to read even for 100 KB values;
// empty when the two are the same.
inline std::string ExactDifferences(const ExactSnapshot& before, const ExactSnapshot& after) {
    std::string report;
    exact_detail::ReportMissing(before, after, "missing", report);
    exact_detail::ReportMissing(after, before, "extra", report);
    for (const auto& [key, values] : before) {
        const auto found = after.find(key);
        if (found == after.end()) continue;
        for (const auto& [name, value] : values) {
            const auto other = found->second.find(name);
            if (other != found->second.end() && !(other->second == value)) {
                report += "[" + key + "] \"" + name + "\": " + exact_detail::Describe(value) + " came back as " +
                          exact_detail::Describe(other->second) + "\n";
            }
        }
    }
    return report;
}

}  // namespace tw::test
