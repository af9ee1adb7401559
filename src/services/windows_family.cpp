#include "services/windows_family.h"

namespace tw {

std::string WindowsFamily(const System& system) {
    const std::optional<OsVersion> version = system.Version();
    if (!version) return {};
    switch (version->platformId) {
        case 0: return "Win16";
        case 1: return "Win9x";
        case 2: return "WinNT";
        default: return {};
    }
}

}  // namespace tw
