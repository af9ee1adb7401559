#include "registry_cleaner/scan_categories.h"
#include "registry_cleaner/scan_reading.h"
#include "registry_cleaner/scanners.h"
#include "services/path_rules.h"

// The categories whose entries are the default values of sub-keys.
namespace tw {

void ScanAppPaths(const Platform& platform, std::vector<Finding>& lvAppPath) {
    lvAppPath.clear();
    const Registry& registry = platform.registry;
    for (const std::string& name : SubKeysOf(registry, kLocalMachine, kAppPathsKey)) {
        const std::string key = JoinKey(kAppPathsKey, name);
        const auto program = ReadScanText(registry, kLocalMachine, key, "");
        if (!program || program->empty() || ReferenceIsValid(platform, *program)) continue;
        Finding f = Found(*program, "HKEY_LOCAL_MACHINE", std::string(kAppPathsKey));
        f.firstKey = key;
        lvAppPath.push_back(std::move(f));
    }
}

void ScanSounds(const Platform& platform, std::vector<Finding>& lvSounds) {
    lvSounds.clear();
    const Registry& registry = platform.registry;
    for (const std::string& application : SubKeysOf(registry, kCurrentUser, kSoundAppsKey)) {
        const std::string applicationKey = JoinKey(kSoundAppsKey, application);
        for (const std::string& event : SubKeysOf(registry, kCurrentUser, applicationKey)) {
            const std::string key = JoinKey(JoinKey(applicationKey, event), ".Current");
            const auto sound = ReadScanText(registry, kCurrentUser, key, "");
            if (!sound || ReferenceIsValid(platform, *sound)) continue;
            lvSounds.push_back(Found(ExpandPathVariables(platform.system, *sound), "HKEY_CURRENT_USER", key));
        }
    }
}

}  // namespace tw
