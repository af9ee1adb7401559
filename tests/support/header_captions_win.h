#pragma once
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "ui/row_view_win.h"
#include "ui/wide_win.h"

namespace tw {

// The column captions of a row view, as its header control holds them.
inline std::vector<std::string> HeaderCaptions(const ui::RowView& view) {
    const HWND header = FindWindowExW(view.Handle(), nullptr, WC_HEADERW, nullptr);
    std::vector<std::string> captions;
    const int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[64] = {};
        HDITEMW item{};
        item.mask = HDI_TEXT;
        item.pszText = text;
        item.cchTextMax = 64;
        SendMessageW(header, HDM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
        captions.push_back(ui::Narrow(text));
    }
    return captions;
}

}  // namespace tw
