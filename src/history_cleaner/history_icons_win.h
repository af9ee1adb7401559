#pragma once
#include <windows.h>

#include "platform/win32/handles_win.h"

namespace tw {

// The groups' pictures: one 32 x 32 icon per group (image i is group i), the
// History Cleaner's badge with the group's glyph on it. The window owns them
// for its lifetime.
class HistoryIcons {
public:
    HistoryIcons();
    HIMAGELIST Groups() const { return groups_.Get(); }

private:
    win32::UniqueImageList groups_;
};

}  // namespace tw
