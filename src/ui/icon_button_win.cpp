#include "ui/icon_button_win.h"

namespace tw::ui {

IconButton::IconButton(const Placement& at, const Args& args)
    : Button(at, Button::Args{.caption = args.caption, .isDefault = args.isDefault}) {
    SetFace(args.caption, args.icon);
}

void IconButton::SetFace(std::string_view caption, HICON icon) {
    SetText(caption);
    SendMessageW(Handle(), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
}

HICON IconButton::Icon() const {
    return reinterpret_cast<HICON>(SendMessageW(Handle(), BM_GETIMAGE, IMAGE_ICON, 0));
}

}  // namespace tw::ui
