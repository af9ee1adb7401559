#pragma once
#include <windows.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "ui/controls_win.h"
#include "ui/panel_win.h"

namespace tw::ui {

// Tabs with a page each: a page is a panel that fills the tabs' display
// area and follows it, and only the selected tab's page is shown. Placed
// and anchored like a control.
class TabControl {
public:
    explicit TabControl(const Placement& at);
    ~TabControl();
    TabControl(const TabControl&) = delete;
    TabControl& operator=(const TabControl&) = delete;

    // Adds a tab; its page takes the controls (page.At). The first tab is
    // selected until another is.
    Panel& AddPage(std::string_view caption);
    std::size_t PageCount() const { return pages_.size(); }
    Panel& Page(std::size_t index) { return *pages_.at(index); }

    std::size_t Selected() const;
    // Selecting in code raises no onChange, as with the other controls.
    void Select(std::size_t index);
    // The tab strip's window (for the keyboard and tests).
    HWND Handle() const;

    // The user picked another tab (a click, the arrows on the focused tabs,
    // Ctrl+Tab or Ctrl+PageDown anywhere inside); its page is already in front.
    std::function<void()> onChange;

private:
    class Host;
    class Strip;
    void Picked();
    void Step(int step);
    void PlacePages();
    void ShowSelectedPage();
    RECT DisplayArea() const;

    std::unique_ptr<Host> host_;
    std::unique_ptr<Strip> strip_;
    std::vector<std::unique_ptr<Panel>> pages_;
};

}  // namespace tw::ui
