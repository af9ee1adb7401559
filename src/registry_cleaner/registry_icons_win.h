#pragma once
#include <windows.h>

#include <commctrl.h>

#include <array>
#include <memory>
#include <type_traits>

namespace tw {

enum class RegistryMenuIcon { SelectAll, UnselectAll, CleanChecked, Restore, Remove, RemoveAll, Count };

// The Registry Cleaner's pictures, drawn by code in the product's badge
// style: one 32 x 32 icon per scan category (image i is category i), the
// icon of a backup file, and the 16 x 16 icons of the context menus. The
// window owns them for its lifetime.
class RegistryIcons {
public:
    RegistryIcons();
    RegistryIcons(const RegistryIcons&) = delete;
    RegistryIcons& operator=(const RegistryIcons&) = delete;

    HIMAGELIST Categories() const { return categories_.get(); }
    HIMAGELIST BackupFiles() const { return backupFiles_.get(); }
    HICON Menu(RegistryMenuIcon icon) const { return menu_.at(static_cast<std::size_t>(icon)).get(); }

private:
    struct IconDeleter {
        void operator()(HICON icon) const { DestroyIcon(icon); }
    };
    struct ImageListDeleter {
        void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
    };
    using IconOwner = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;
    using ImageListOwner = std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, ImageListDeleter>;

    ImageListOwner categories_;
    ImageListOwner backupFiles_;
    std::array<IconOwner, static_cast<std::size_t>(RegistryMenuIcon::Count)> menu_;
};

}  // namespace tw
