#pragma once
#include <string>
#include <vector>

#include "platform/registry.h"

namespace tw::test {

// Every registry trace of the eleven items, in their XP homes and their
// Windows 7-11 homes, each with a value and a sub-key below it, seeded
// beside neighbours that must stay: a sibling key in every parent and a
// value of every parent's own.
void SeedRegistryTraces(Registry& registry);
// The trace keys still there, and inside RecentDocs its sub-keys and values.
std::vector<std::string> RemainingTraces(const Registry& registry);
// The neighbours that went missing.
std::vector<std::string> MissingNeighbours(const Registry& registry);
// Removes what SeedRegistryTraces added, for a real registry.
void RemoveSeededTraces(Registry& registry);

}  // namespace tw::test
