#include "shredder/shredder_options.h"

namespace tw {

ShredderOptions LoadShredderOptions(const SettingsStore& settings) {
    ShredderOptions options;
    options.algorithm = settings.ShredderAlgorithm().value_or(kDefaultWipeAlgorithm);
    options.rename = settings.ShredderRename();
    return options;
}

void SaveShredderOptions(SettingsStore& settings, const ShredderOptions& options) {
    settings.SetShredderAlgorithm(options.algorithm);
    settings.SetShredderRename(options.rename);
}

}  // namespace tw
