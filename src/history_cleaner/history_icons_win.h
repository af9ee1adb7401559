#pragma once
#include <windows.h>

#include "platform/win32/handles_win.h"

namespace tw {

// The groups' pictures: one icon per group (image i is group i), 32 x 32 at
// 96 DPI and drawn at the window's DPI, the History Cleaner's badge with the
// group's glyph on it. The window owns them for its lifetime.
class HistoryIcons {
public:
    explicit HistoryIcons(int dpi);
    HIMAGELIST Groups() const { return groups_.Get(); }

private:
    win32::UniqueImageList groups_;
};

}  // namespace tw
