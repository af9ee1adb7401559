#pragma once
#include <cstddef>
#include <optional>

#include "platform/registry.h"
#include "registry_cleaner/finding.h"

namespace tw {

// The finding with the key paths its removal names as the registry opens
// them (no empty names: "\ProgId" is ProgId); nullopt when one names no key
// at all, and such a finding is never cleaned.
std::optional<Finding> Normalised(Finding f, std::size_t category);

// Whether a backup file can record everything the finding's removal would
// delete, as the registry (or the plan of removals) shows it now: no key or
// value name in it holds a line break.
bool CanBeBackedUp(const Finding& f, std::size_t category, const Registry& registry);

}  // namespace tw
