#include "ui/tab_control_win.h"

#include "ui/wide_win.h"
#include "ui/window_win.h"

namespace tw::ui {

// The tabs and their pages live in a panel of their own, which tells the
// tab control when it was resized so the pages follow the display area.
class TabControl::Host final : public Panel {
public:
    Host(const Placement& at, std::function<void()> onSize, std::function<void(int)> onStep)
        : Panel(at), onSize_(std::move(onSize)), onStep_(std::move(onStep)) {}

    // The keys of every property sheet, wherever the focus is among the
    // tabs and their pages: Ctrl+Tab and Ctrl+PageDown for the next tab,
    // with Shift or PageUp for the one before, round the end.
    bool PreviewKey(const MSG& msg) override {
        if (msg.message != WM_KEYDOWN || GetKeyState(VK_CONTROL) >= 0) return false;
        int step = 0;
        if (msg.wParam == VK_TAB)
            step = GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
        else if (msg.wParam == VK_NEXT)
            step = 1;
        else if (msg.wParam == VK_PRIOR)
            step = -1;
        if (step == 0) return false;
        onStep_(step);
        return true;
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        const LRESULT result = Panel::HandleMessage(message, wParam, lParam);
        if (message == WM_SIZE && onSize_) onSize_();
        return result;
    }

private:
    std::function<void()> onSize_;
    std::function<void(int)> onStep_;
};

class TabControl::Strip final : public Control {
public:
    Strip(const Placement& at, std::function<void()> onSelect) : onSelect_(std::move(onSelect)) {
        UseCommonControls(ICC_TAB_CLASSES);
        // Pages lie above the strip; it must not paint over them.
        CreateControl(at, WC_TABCONTROLW, WS_TABSTOP | WS_CLIPSIBLINGS, 0, "");
    }
    LRESULT OnNotify(NMHDR* header) override {
        if (header->code == TCN_SELCHANGE && onSelect_) onSelect_();
        return 0;
    }

private:
    std::function<void()> onSelect_;
};

TabControl::TabControl(const Placement& at) {
    host_ = std::make_unique<Host>(at, [this] { PlacePages(); }, [this](int step) { Step(step); });
    const LONG width = at.rect.right - at.rect.left, height = at.rect.bottom - at.rect.top;
    strip_ = std::make_unique<Strip>(host_->At(0, 0, width, height, kAnchorFill), [this] { Picked(); });
}

void TabControl::Picked() {
    ShowSelectedPage();
    if (onChange) onChange();
}

// The control that had the focus may be on the page now hidden; the tabs
// take it then, as after a click on one.
void TabControl::Step(int step) {
    const auto count = static_cast<int>(pages_.size());
    if (count < 2) return;
    const int next = (static_cast<int>(Selected()) + step + count) % count;
    SendMessageW(strip_->Handle(), TCM_SETCURSEL, next, 0);
    const HWND focus = GetFocus();
    Picked();
    if (focus != GetFocus() || !IsWindowVisible(focus)) SetFocus(strip_->Handle());
}

TabControl::~TabControl() = default;

HWND TabControl::Handle() const { return strip_->Handle(); }

RECT TabControl::DisplayArea() const {
    RECT area;
    GetClientRect(strip_->Handle(), &area);
    TabCtrl_AdjustRect(strip_->Handle(), FALSE, &area);
    return area;
}

Panel& TabControl::AddPage(std::string_view caption) {
    std::wstring text = Wide(caption);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    const auto index = static_cast<int>(pages_.size());
    SendMessageW(strip_->Handle(), TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));

    // The page's design size is the display area's, in 96-DPI units.
    const RECT area = DisplayArea();
    const int dpi = WindowDpi(host_->Handle());
    const RECT area96{0, 0, MulDiv(area.right - area.left, 96, dpi), MulDiv(area.bottom - area.top, 96, dpi)};
    auto& page = *pages_.emplace_back(std::make_unique<Panel>(Placement{host_->Handle(), nullptr, area96}));
    SetWindowPos(page.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    PlacePages();
    ShowSelectedPage();
    return page;
}

std::size_t TabControl::Selected() const {
    const LRESULT index = SendMessageW(strip_->Handle(), TCM_GETCURSEL, 0, 0);
    return index < 0 ? 0 : static_cast<std::size_t>(index);
}

void TabControl::Select(std::size_t index) {
    if (index >= pages_.size()) return;
    SendMessageW(strip_->Handle(), TCM_SETCURSEL, index, 0);
    ShowSelectedPage();
}

void TabControl::PlacePages() {
    if (!strip_) return;
    const RECT area = DisplayArea();
    for (const auto& page : pages_)
        MoveWindow(page->Handle(), area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
}

// The new page is shown before the old one hides, so what is behind never
// shows through.
void TabControl::ShowSelectedPage() {
    const std::size_t selected = Selected();
    if (selected < pages_.size()) ShowWindow(pages_[selected]->Handle(), SW_SHOW);
    for (std::size_t i = 0; i < pages_.size(); ++i)
        if (i != selected) ShowWindow(pages_[i]->Handle(), SW_HIDE);
}

}  // namespace tw::ui
