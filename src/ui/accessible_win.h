#pragma once
#include <windows.h>

#include <oleacc.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tw::ui {

// What a control we draw ourselves tells a screen reader. Every element has
// an id: 0 is the control itself, positive ids its parts. A part may hold
// parts of its own (a group row its findings): it is then a scope, and its
// parts are numbered from 1 within it.
class AccessibleSource {
public:
    virtual ~AccessibleSource() = default;
    // Null once the control is gone; every question then fails.
    virtual HWND Window() const = 0;

    virtual long ChildCount(long scope) const = 0;
    // The id of a scope's part by its number (1-based); 0 when there is none.
    virtual long ChildId(long scope, long number) const { return scope == 0 && number <= ChildCount(0) ? number : 0; }
    // Whether a part is a scope of its own.
    virtual bool IsScope(long) const { return false; }
    virtual bool Exists(long id) const { return id == 0 || ChildId(0, id) == id; }

    virtual std::wstring Name(long id) const = 0;
    virtual std::wstring Value(long) const { return {}; }
    virtual std::wstring Description(long) const { return {}; }
    virtual long Role(long id) const = 0;
    virtual long State(long id) const = 0;
    virtual std::wstring DefaultAction(long) const { return {}; }
    virtual bool DoDefaultAction(long) { return false; }
    // Screen pixels; the control's own for 0.
    virtual std::optional<RECT> Location(long id) const;
    // The part under a screen point, 0 for the control itself.
    virtual long HitTest(POINT) const { return 0; }
    // The part with the keyboard focus, when the control has it (0 for the
    // control itself).
    virtual long Focus() const { return 0; }
    virtual std::optional<long> Selection() const { return std::nullopt; }
    virtual bool Select(long, long /*SELFLAG_*/) { return false; }

    // Asked for by WM_GETOBJECT: a fresh object over this source.
    LRESULT Answer(const std::shared_ptr<AccessibleSource>& self, WPARAM wParam, LPARAM lParam);
};

// A reader's view of one scope of a source, as IAccessible.
IAccessible* NewAccessible(std::shared_ptr<AccessibleSource> source, long scope);

// Tells readers that something changed (EVENT_OBJECT_*), for the client
// object's element `id`.
void RaiseAccessibleEvent(HWND hwnd, DWORD event, long id);

// A control with a single element: a push button or a link, named by its
// window text.
class SingleAccessible : public AccessibleSource {
public:
    SingleAccessible(HWND hwnd, long role, std::wstring action) : hwnd_(hwnd), role_(role), action_(std::move(action)) {}
    HWND Window() const override { return hwnd_; }
    void Detach() { hwnd_ = nullptr; }
    long ChildCount(long) const override { return 0; }
    std::wstring Name(long) const override;
    std::wstring Description(long) const override { return description; }
    long Role(long) const override { return role_; }
    long State(long) const override;
    std::wstring DefaultAction(long) const override { return action_; }
    bool DoDefaultAction(long) override;

    std::wstring description;
    std::function<void()> onDefaultAction;

private:
    HWND hwnd_;
    long role_;
    std::wstring action_;
};

}  // namespace tw::ui
