#include "ui/accessible_task_pane_win.h"

#include "ui/task_pane_win.h"

namespace tw::ui {

HWND TaskPaneAccessible::Window() const { return pane_ ? pane_->Handle() : nullptr; }

long TaskPaneAccessible::ChildCount(long scope) const {
    return pane_ && scope == 0 ? static_cast<long>(pane_->items_.size()) : 0;
}

std::wstring TaskPaneAccessible::Name(long id) const {
    return id == 0 ? L"Options" : pane_->items_.at(static_cast<std::size_t>(id) - 1).caption;
}

long TaskPaneAccessible::State(long id) const {
    const bool focused = GetFocus() == Window();
    if (id == 0) return STATE_SYSTEM_FOCUSABLE | (focused ? STATE_SYSTEM_FOCUSED : 0);
    long state = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_LINKED;
    if (id - 1 == pane_->focus_ && focused) state |= STATE_SYSTEM_FOCUSED;
    if (id - 1 == pane_->hot_) state |= STATE_SYSTEM_HOTTRACKED;
    return state;
}

bool TaskPaneAccessible::DoDefaultAction(long id) {
    if (id == 0 || !IsWindowEnabled(Window())) return false;
    pane_->focus_ = static_cast<int>(id) - 1;
    Guarded([&] { pane_->Activate(static_cast<int>(id) - 1); });
    return true;
}

std::optional<RECT> TaskPaneAccessible::Location(long id) const {
    if (id == 0) return AccessibleSource::Location(0);
    RECT r = pane_->ItemRect(static_cast<int>(id) - 1);
    MapWindowPoints(Window(), nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

long TaskPaneAccessible::HitTest(POINT screen) const {
    ScreenToClient(Window(), &screen);
    return pane_->ItemAt(screen) + 1;
}

long TaskPaneAccessible::Focus() const { return pane_->focus_ + 1; }

}  // namespace tw::ui
