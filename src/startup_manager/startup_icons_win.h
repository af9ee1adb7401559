#pragma once
#include <windows.h>

#include <commctrl.h>

#include "startup_manager/startup_enumeration.h"

namespace tw {

// The list's 16-pixel, 32-bit icon list: the program's own icon at index 0
// for rows without one, then the shell's icon of each program.
class StartupImageList final : public StartupIcons {
public:
    StartupImageList();
    ~StartupImageList() override;
    StartupImageList(const StartupImageList&) = delete;
    StartupImageList& operator=(const StartupImageList&) = delete;

    HIMAGELIST Handle() const { return list_; }
    // Back to the preset image alone, before a new enumeration.
    void Clear();
    int ForFile(std::string_view path) override;
    int ForItem(const ItemIdList& item) override;

private:
    int AddShellIcon(LPCWSTR pathOrItem, UINT how);
    HIMAGELIST list_ = nullptr;
};

}  // namespace tw
