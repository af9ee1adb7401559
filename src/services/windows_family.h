#pragma once
#include <string>

#include "platform/system.h"

namespace tw {

// "Win16", "Win9x", "WinNT", or empty when the version cannot be read or the
// platform is unknown. Callers compare with one exact string, so an unknown
// platform falls to whichever branch the caller treats as its default.
std::string WindowsFamily(const System& system);

}  // namespace tw
