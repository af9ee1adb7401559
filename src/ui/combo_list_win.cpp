#include "ui/combo_list_win.h"

#include "ui/wide_win.h"

namespace tw::ui {
namespace {

// The window of a combo box is as high as the box and its dropped list.
constexpr int kDroppedListHeight = 160;

Placement WithDroppedList(Placement at) {
    at.rect.bottom = at.rect.top + kDroppedListHeight;
    return at;
}

}  // namespace

ComboList::ComboList(const Placement& at, std::initializer_list<std::string_view> entries) {
    CreateControl(WithDroppedList(at), WC_COMBOBOXW, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, "");
    for (const auto entry : entries) Add(entry);
    if (entries.size()) Select(0);
}

void ComboList::Add(std::string_view entry) {
    SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(entry).c_str()));
}

std::size_t ComboList::Count() const {
    const LRESULT count = SendMessageW(Handle(), CB_GETCOUNT, 0, 0);
    return count > 0 ? static_cast<std::size_t>(count) : 0;
}

std::string ComboList::Entry(std::size_t index) const {
    const LRESULT length = SendMessageW(Handle(), CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(SendMessageW(Handle(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()))));
    return Narrow(text);
}

std::optional<std::size_t> ComboList::Selected() const {
    const LRESULT index = SendMessageW(Handle(), CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return std::nullopt;
    return static_cast<std::size_t>(index);
}

void ComboList::Select(std::size_t index) { SendMessageW(Handle(), CB_SETCURSEL, index, 0); }

}  // namespace tw::ui
