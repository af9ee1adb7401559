#pragma once
#include <windows.h>

#include "platform/win32/handles_win.h"

namespace tw {

// The scan categories' pictures: one icon per category (image i is
// category i), 32 x 32 at 96 DPI and drawn at the window's DPI, the
// registry tool's badge with the category's glyph on it. The window owns
// them for its lifetime.
class RegistryIcons {
public:
    explicit RegistryIcons(int dpi);
    HIMAGELIST Categories() const { return categories_.Get(); }

private:
    win32::UniqueImageList categories_;
};

}  // namespace tw
