#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/accessible_task_pane_win.h"
#include "ui/window_win.h"

namespace tw::ui {

struct TaskPaneItem {
    std::wstring caption;
    HICON icon = nullptr;  // not owned
};

// The left column: one group headed "Options" with clickable items. Works
// with the mouse (hot item underlined, hand cursor) and the keyboard (Tab
// reaches it; arrows move; Enter or Space activates).
class TaskPane : public Window {
public:
    TaskPane(HWND parent, std::vector<TaskPaneItem> items);
    ~TaskPane() override { accessible_->Detach(); }
    std::function<void(int)> onItemClick;

    int HotItem() const { return hot_; }
    int FocusItem() const { return focus_; }
    void Activate(int index) { if (onItemClick && index >= 0 && index < static_cast<int>(items_.size())) onItemClick(index); }
    RECT ItemRect(int index) const;
    // New pictures for the items, in order (after a change of DPI).
    void SetItemIcons(const std::vector<HICON>& icons);
    HICON ItemIcon(int index) const { return items_.at(static_cast<std::size_t>(index)).icon; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend class TaskPaneAccessible;
    void Paint(HDC dc);
    int ItemAt(POINT client) const;
    void SetHot(int index);
    void UpdateScroll();
    int ContentHeight() const;

    std::vector<TaskPaneItem> items_;
    int hot_ = -1;
    int focus_ = 0;
    int scroll_ = 0;
    bool tracking_ = false;
    std::shared_ptr<TaskPaneAccessible> accessible_ = std::make_shared<TaskPaneAccessible>(*this);
};

}  // namespace tw::ui
