#pragma once
#include "suite/settings_store.h"
#include "shredder/wipe_algorithms.h"

namespace tw {

// The Options page's choices; the defaults are also what "&Defaults" sets.
struct ShredderOptions {
    int algorithm = kDefaultWipeAlgorithm;  // 1 to kWipeAlgorithmCount
    bool rename = true;

    friend bool operator==(const ShredderOptions&, const ShredderOptions&) = default;
};

ShredderOptions LoadShredderOptions(const SettingsStore& settings);
void SaveShredderOptions(SettingsStore& settings, const ShredderOptions& options);

}  // namespace tw
