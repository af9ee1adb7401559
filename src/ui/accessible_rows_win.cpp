#include "ui/accessible_rows_win.h"

#include "ui/row_view_win.h"
#include "ui/wide_win.h"

namespace tw::ui {
namespace {

constexpr long kRowBits = 12;
constexpr long kRowMask = (1L << kRowBits) - 1;

std::wstring Heading(HWND header, int column) {
    wchar_t text[128] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = 128;
    SendMessageW(header, HDM_GETITEMW, column, reinterpret_cast<LPARAM>(&item));
    return text;
}

}  // namespace

long RowViewAccessible::IdOf(const RowRef& ref) {
    const long row = static_cast<long>(ref.row) + 1;
    return ref.child ? row | (static_cast<long>(*ref.child) + 1) << kRowBits : row;
}

std::optional<RowRef> RowViewAccessible::RefOf(long id) const {
    if (!view_ || id <= 0) return std::nullopt;
    RowModel& model = view_->model_;
    if (!model.IsTree()) {
        if (static_cast<std::size_t>(id) > model.RowCount()) return std::nullopt;
        return RowRef{static_cast<std::size_t>(id) - 1, std::nullopt};
    }
    const long row = (id & kRowMask) - 1, child = (id >> kRowBits) - 1;
    if (row < 0 || static_cast<std::size_t>(row) >= model.RowCount()) return std::nullopt;
    if (child < 0) return RowRef{static_cast<std::size_t>(row), std::nullopt};
    if (static_cast<std::size_t>(child) >= model.ChildCount(static_cast<std::size_t>(row))) return std::nullopt;
    return RowRef{static_cast<std::size_t>(row), static_cast<std::size_t>(child)};
}

HWND RowViewAccessible::Window() const { return view_ ? view_->Handle() : nullptr; }

long RowViewAccessible::ChildCount(long scope) const {
    if (!view_) return 0;
    if (scope == 0) return static_cast<long>(view_->model_.RowCount());
    const auto ref = RefOf(scope);
    return IsScope(scope) ? static_cast<long>(view_->model_.ChildCount(ref->row)) : 0;
}

long RowViewAccessible::ChildId(long scope, long number) const {
    if (number < 1 || number > ChildCount(scope)) return 0;
    if (scope == 0) return number;
    return IdOf({RefOf(scope)->row, static_cast<std::size_t>(number) - 1});
}

bool RowViewAccessible::IsScope(long id) const {
    const auto ref = RefOf(id);
    return ref && !ref->child && view_->model_.IsTree();
}

// The list itself goes by its first heading ("Invalid Entries"), so that the
// focus on a list with no row selected yet still names something.
std::wstring RowViewAccessible::Name(long id) const {
    if (id == 0) return Heading(view_->header_, 0);
    const auto ref = RefOf(id);
    return ref ? Wide(view_->model_.CellText(*ref, 0)) : std::wstring();
}

// A group row says how many rows it holds, as a reader cannot see them
// while it is closed.
std::wstring RowViewAccessible::Value(long id) const {
    if (!IsScope(id)) return {};
    const long count = ChildCount(id);
    return std::to_wstring(count) + (count == 1 ? L" item" : L" items");
}

// The other columns, each after its heading, as a sighted user reads them.
std::wstring RowViewAccessible::Description(long id) const {
    const auto ref = RefOf(id);
    if (!ref) return {};
    const int columns = static_cast<int>(SendMessageW(view_->header_, HDM_GETITEMCOUNT, 0, 0));
    std::wstring text;
    for (int column = 1; column < columns; ++column) {
        const std::wstring cell = Wide(view_->model_.CellText(*ref, column));
        if (cell.empty()) continue;
        if (!text.empty()) text += L", ";
        text += Heading(view_->header_, column) + L": " + cell;
    }
    return text;
}

long RowViewAccessible::Role(long id) const {
    const bool tree = view_->model_.IsTree();
    if (id == 0) return tree ? ROLE_SYSTEM_OUTLINE : ROLE_SYSTEM_LIST;
    return tree ? ROLE_SYSTEM_OUTLINEITEM : ROLE_SYSTEM_LISTITEM;
}

long RowViewAccessible::State(long id) const {
    const HWND hwnd = Window();
    const bool focused = GetFocus() == hwnd;
    if (id == 0) return STATE_SYSTEM_FOCUSABLE | (focused ? STATE_SYSTEM_FOCUSED : 0) |
                        (IsWindowEnabled(hwnd) ? 0 : STATE_SYSTEM_UNAVAILABLE);
    const RowRef ref = *RefOf(id);
    RowModel& model = view_->model_;
    long state = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    if (view_->Selected() == ref) state |= STATE_SYSTEM_SELECTED | (focused ? STATE_SYSTEM_FOCUSED : 0);
    if (model.HasCheckBoxes()) {
        const CheckState check = model.Check(ref);
        if (check == CheckState::Checked) state |= STATE_SYSTEM_CHECKED;
        if (check == CheckState::Mixed) state |= STATE_SYSTEM_MIXED;
    }
    if (IsScope(id)) state |= view_->IsExpanded(ref.row) ? STATE_SYSTEM_EXPANDED : STATE_SYSTEM_COLLAPSED;
    if (!view_->IndexOf(ref)) state |= STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;
    return state;
}

// What Space does on a row with a box; a double-click on one without.
std::wstring RowViewAccessible::DefaultAction(long id) const {
    const auto ref = RefOf(id);
    if (!ref) return {};
    RowModel& model = view_->model_;
    if (model.HasCheckBoxes()) return model.Check(*ref) == CheckState::Checked ? L"Uncheck" : L"Check";
    if (IsScope(id)) return view_->IsExpanded(ref->row) ? L"Collapse" : L"Expand";
    return view_->onDoubleClick ? L"Double Click" : L"";
}

bool RowViewAccessible::DoDefaultAction(long id) {
    const auto ref = RefOf(id);
    if (!ref || !IsWindowEnabled(Window())) return false;
    if (view_->model_.HasCheckBoxes()) {
        view_->ToggleCheck(*ref);
    } else if (IsScope(id)) {
        view_->Expand(ref->row, !view_->IsExpanded(ref->row));
    } else if (view_->onDoubleClick) {
        Guarded([&] { view_->onDoubleClick(*ref); });
    } else {
        return false;
    }
    return true;
}

std::optional<RECT> RowViewAccessible::Location(long id) const {
    if (id == 0) return AccessibleSource::Location(0);
    const auto ref = RefOf(id);
    const auto index = ref ? view_->IndexOf(*ref) : std::nullopt;
    if (!index) return std::nullopt;
    RECT r = view_->RowRect(*index);
    MapWindowPoints(Window(), nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

long RowViewAccessible::HitTest(POINT screen) const {
    ScreenToClient(Window(), &screen);
    const auto index = view_->LineAt(screen);
    return index ? IdOf(view_->visible_[*index].ref) : 0;
}

long RowViewAccessible::Focus() const {
    const auto selected = view_->Selected();
    return selected ? IdOf(*selected) : 0;
}

std::optional<long> RowViewAccessible::Selection() const {
    const auto selected = view_->Selected();
    if (!selected) return std::nullopt;
    return IdOf(*selected);
}

bool RowViewAccessible::Select(long id, long flags) {
    const auto ref = RefOf(id);
    if (!ref || !(flags & (SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION))) return false;
    if (flags & SELFLAG_TAKEFOCUS) SetFocus(Window());
    view_->Select(*ref);
    return true;
}

}  // namespace tw::ui
