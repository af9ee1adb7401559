#pragma once
#include <windows.h>

#include "ui/accessible_win.h"

namespace tw::ui {

class TaskPane;

// The task pane as a reader sees it: a pane named "Options" holding one
// link a item, id = item + 1.
class TaskPaneAccessible : public AccessibleSource {
public:
    explicit TaskPaneAccessible(TaskPane& pane) : pane_(&pane) {}
    void Detach() { pane_ = nullptr; }

    HWND Window() const override;
    long ChildCount(long scope) const override;
    std::wstring Name(long id) const override;
    long Role(long id) const override { return id == 0 ? ROLE_SYSTEM_PANE : ROLE_SYSTEM_LINK; }
    long State(long id) const override;
    std::wstring DefaultAction(long id) const override { return id == 0 ? L"" : L"Jump"; }
    bool DoDefaultAction(long id) override;
    std::optional<RECT> Location(long id) const override;
    long HitTest(POINT screen) const override;
    long Focus() const override;

private:
    TaskPane* pane_;
};

}  // namespace tw::ui
