#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "ui/accessible_win.h"
#include "ui/row_model.h"

namespace tw::ui {

class RowView;

// A row view as a reader sees it: a list of list items, or an outline whose
// group rows hold their rows. A row's id is row + 1; in a tree a group's
// child is (row + 1) | (child + 1) << 12, so that an event can name any row
// of the control.
class RowViewAccessible : public AccessibleSource {
public:
    explicit RowViewAccessible(RowView& view) : view_(&view) {}
    void Detach() { view_ = nullptr; }

    static long IdOf(const RowRef& ref);
    std::optional<RowRef> RefOf(long id) const;

    HWND Window() const override;
    long ChildCount(long scope) const override;
    long ChildId(long scope, long number) const override;
    bool IsScope(long id) const override;
    bool Exists(long id) const override { return id == 0 || RefOf(id).has_value(); }
    std::wstring Name(long id) const override;
    std::wstring Value(long id) const override;
    std::wstring Description(long id) const override;
    long Role(long id) const override;
    long State(long id) const override;
    std::wstring DefaultAction(long id) const override;
    bool DoDefaultAction(long id) override;
    std::optional<RECT> Location(long id) const override;
    long HitTest(POINT screen) const override;
    long Focus() const override;
    std::optional<long> Selection() const override;
    bool Select(long id, long flags) override;

private:
    RowView* view_;
};

}  // namespace tw::ui
