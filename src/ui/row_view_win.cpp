#include "ui/row_view_win.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "ui/fonts_win.h"
#include "ui/wide_win.h"

namespace tw::ui {
namespace {

constexpr int kGroupRowHeight = 32;
constexpr int kRowHeight = 18;
constexpr int kBox = 16;
constexpr int kChildIndent = 20;

bool IsInput(UINT message) {
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           message == WM_CONTEXTMENU;
}

}  // namespace

RowView::RowView(const Placement& at, RowModel& model) : model_(model) {
    const int dpi = WindowDpi(at.parent);
    dpi_ = dpi;
    const RECT& r = at.rect;
    Create(L"TwRowView", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | WS_CLIPCHILDREN,
           WS_EX_CLIENTEDGE, L"",
           Scale(r.left, dpi), Scale(r.top, dpi), Scale(r.right - r.left, dpi), Scale(r.bottom - r.top, dpi), at.parent,
           CS_DBLCLKS);
    if (at.layout) at.layout->Add(Handle(), r, at.anchors);
    header_ = CreateWindowExW(0, WC_HEADERW, L"", WS_CHILD | WS_VISIBLE | HDS_HORZ | HDS_BUTTONS | HDS_HOTTRACK | HDS_FULLDRAG,
                              0, 0, 0, 0, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(header_, WM_SETFONT, reinterpret_cast<WPARAM>(MessageFont(dpi)), FALSE);
    LayoutHeader();
    Reset();
}

RowView::~RowView() {
    accessible_->Detach();
    CloseThemes();
}

void RowView::AddColumn(std::string_view caption, int width96) {
    std::wstring text = Wide(caption);
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.fmt = HDF_LEFT | HDF_STRING;
    item.cxy = Scale(width96, WindowDpi(Handle()));
    item.pszText = text.data();
    const int count = static_cast<int>(SendMessageW(header_, HDM_GETITEMCOUNT, 0, 0));
    SendMessageW(header_, HDM_INSERTITEMW, count, reinterpret_cast<LPARAM>(&item));
    UpdateScroll();
    LayoutHeader();
    Refresh();
}

int RowView::ColumnWidth(int column) const {
    RECT r{};
    SendMessageW(header_, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&r));
    return r.right - r.left;
}

void RowView::SetColumnWidth(int column, int width) {
    HDITEMW item{};
    item.mask = HDI_WIDTH;
    item.cxy = width;
    SendMessageW(header_, HDM_SETITEMW, column, reinterpret_cast<LPARAM>(&item));
}

void RowView::SetImageLists(HIMAGELIST small, HIMAGELIST large) {
    small_ = small;
    large_ = large;
    Refresh();
}

void RowView::Reset() {
    expanded_.assign(model_.RowCount(), false);
    selected_.reset();
    hot_.reset();
    scroll_ = 0;
    Rebuild();
}

void RowView::RowsChanged() {
    const std::size_t count = model_.RowCount();
    expanded_.resize(count, false);
    if (model_.IsTree())
        Rebuild();
    else if (visible_.size() != count)
        ResizeFlatLines(count);
    else
        Refresh();
    if (selected_ && *selected_ >= visible_.size()) selected_.reset();
    if (hot_ && *hot_ >= visible_.size()) hot_.reset();
}

// A flat list's line i is row i: a clean that erases rows one by one costs
// a line each, not a rebuild of the whole list.
void RowView::ResizeFlatLines(std::size_t count) {
    if (visible_.size() > count) visible_.resize(count);
    const int height = RowHeight({});
    while (visible_.size() < count) visible_.push_back({{visible_.size(), std::nullopt}, ContentHeight(), height});
    UpdateScroll();
    Refresh();
    RaiseEvent(EVENT_OBJECT_REORDER, std::nullopt);
}

// A move to a monitor of another DPI lays the window out again, which
// resizes every list: its columns and lines then take the new DPI's sizes.
void RowView::FollowDpi() {
    const int dpi = WindowDpi(Handle());
    if (dpi == dpi_) return;
    // Set first: a column's new width may bring or take a scroll bar, whose
    // WM_SIZE comes back here.
    const int was = std::exchange(dpi_, dpi);
    const int columns = static_cast<int>(SendMessageW(header_, HDM_GETITEMCOUNT, 0, 0));
    for (int column = 0; column < columns; ++column) SetColumnWidth(column, MulDiv(ColumnWidth(column), dpi, was));
    Rebuild();
}

void RowView::Rebuild() {
    visible_.clear();
    int top = 0;
    auto add = [&](RowRef ref) {
        const int height = RowHeight(ref);
        visible_.push_back({ref, top, height});
        top += height;
    };
    for (std::size_t row = 0; row < model_.RowCount(); ++row) {
        add({row, std::nullopt});
        if (model_.IsTree() && row < expanded_.size() && expanded_[row])
            for (std::size_t child = 0; child < model_.ChildCount(row); ++child) add({row, child});
    }
    UpdateScroll();
    Refresh();
    RaiseEvent(EVENT_OBJECT_REORDER, std::nullopt);
}

void RowView::Expand(std::size_t row, bool expanded) {
    if (row >= expanded_.size() || expanded_[row] == expanded) return;
    const auto selected = Selected();
    expanded_[row] = expanded;
    Rebuild();
    // A selected child of a group being closed gives the selection to it.
    if (selected) {
        const auto index = IndexOf(selected->row == row && !expanded ? RowRef{row, std::nullopt} : *selected);
        selected_ = index;
    }
    RaiseEvent(EVENT_OBJECT_STATECHANGE, RowRef{row, std::nullopt});
}

bool RowView::IsExpanded(std::size_t row) const { return row < expanded_.size() && expanded_[row]; }

std::optional<RowRef> RowView::Selected() const {
    if (!LiveLine(selected_)) return std::nullopt;
    return visible_[*selected_].ref;
}

void RowView::Select(RowRef ref) {
    if (ref.child && !IsExpanded(ref.row)) Expand(ref.row, true);
    if (const auto index = IndexOf(ref)) SelectLine(*index);
}

std::optional<RowRef> RowView::HotRow() const {
    if (!LiveLine(hot_)) return std::nullopt;
    return visible_[*hot_].ref;
}

bool RowView::Exists(const RowRef& ref) const {
    if (ref.row >= model_.RowCount()) return false;
    return !ref.child || *ref.child < model_.ChildCount(ref.row);
}

std::optional<std::size_t> RowView::LiveLine(std::optional<std::size_t> index) const {
    if (!index || *index >= visible_.size() || !Exists(visible_[*index].ref)) return std::nullopt;
    return index;
}

std::optional<std::size_t> RowView::IndexOf(const RowRef& ref) const {
    for (std::size_t i = 0; i < visible_.size(); ++i)
        if (visible_[i].ref == ref) return i;
    return std::nullopt;
}

int RowView::HeaderHeight() const {
    RECT r{};
    GetWindowRect(header_, &r);
    return r.bottom - r.top;
}

int RowView::RowHeight(const RowRef& ref) const {
    const int dpi = WindowDpi(Handle());
    return Scale(model_.IsTree() && !ref.child ? kGroupRowHeight : kRowHeight, dpi);
}

int RowView::Indent(const RowRef& ref) const {
    const int dpi = WindowDpi(Handle());
    if (!model_.IsTree()) return Scale(2, dpi);
    return ref.child ? Scale(kChildIndent, dpi) : Scale(2, dpi) + Scale(kBox, dpi) + Scale(4, dpi);
}

int RowView::ContentHeight() const { return visible_.empty() ? 0 : visible_.back().top + visible_.back().height; }

RECT RowView::RowRect(std::size_t index) const {
    RECT client;
    GetClientRect(Handle(), &client);
    const auto& line = visible_.at(index);
    const int top = HeaderHeight() + line.top - scroll_;
    return RECT{0, top, client.right, top + line.height};
}

RECT RowView::CheckBoxRect(std::size_t index) const {
    const RECT row = RowRect(index);
    if (!model_.HasCheckBoxes()) return RECT{};
    const int box = Scale(kBox, WindowDpi(Handle()));
    const int left = Indent(visible_.at(index).ref) - hscroll_;
    const int top = row.top + (row.bottom - row.top - box) / 2;
    return RECT{left, top, left + box, top + box};
}

RECT RowView::ExpandButtonRect(std::size_t index) const {
    const RECT row = RowRect(index);
    if (!model_.IsTree() || visible_.at(index).ref.child) return RECT{};
    const int box = Scale(kBox, WindowDpi(Handle()));
    const int left = Scale(2, WindowDpi(Handle())) - hscroll_;
    const int top = row.top + (row.bottom - row.top - box) / 2;
    return RECT{left, top, left + box, top + box};
}

std::optional<std::size_t> RowView::LineAt(POINT p) const {
    const int y = p.y - HeaderHeight() + scroll_;
    if (p.y < HeaderHeight() || y < 0) return std::nullopt;
    const auto it = std::upper_bound(visible_.begin(), visible_.end(), y, [](int value, const Line& l) { return value < l.top; });
    if (it == visible_.begin()) return std::nullopt;
    const auto index = static_cast<std::size_t>(std::distance(visible_.begin(), it) - 1);
    const auto& line = visible_[index];
    return y < line.top + line.height ? LiveLine(index) : std::nullopt;
}

void RowView::LayoutHeader() {
    RECT client;
    GetClientRect(Handle(), &client);
    WINDOWPOS pos{};
    HDLAYOUT layout{&client, &pos};
    SendMessageW(header_, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout));
    // The header scrolls sideways with the rows and is as wide as its columns.
    SetWindowPos(header_, pos.hwndInsertAfter, pos.x - hscroll_, pos.y,
                 std::max<int>(pos.cx + hscroll_, ColumnsWidth()), pos.cy, pos.flags | SWP_NOACTIVATE);
}

int RowView::ColumnsWidth() const {
    const int columns = static_cast<int>(SendMessageW(header_, HDM_GETITEMCOUNT, 0, 0));
    int total = 0;
    for (int c = 0; c < columns; ++c) total += ColumnWidth(c);
    return total;
}

void RowView::UpdateScroll() {
    RECT client;
    GetClientRect(Handle(), &client);
    const int page = std::max(0, static_cast<int>(client.bottom) - HeaderHeight());
    scroll_ = std::clamp(scroll_, 0, std::max(0, ContentHeight() - page));
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, std::max(0, ContentHeight() - 1),
                    static_cast<UINT>(page), scroll_, 0};
    SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
    // Columns wider than the list scroll sideways; the header follows.
    const int width = ColumnsWidth();
    const int before = hscroll_;
    hscroll_ = std::clamp(hscroll_, 0, std::max(0, width - static_cast<int>(client.right)));
    SCROLLINFO across{sizeof(across), SIF_RANGE | SIF_PAGE | SIF_POS, 0, std::max(0, width - 1),
                      static_cast<UINT>(client.right), hscroll_, 0};
    SetScrollInfo(Handle(), SB_HORZ, &across, TRUE);
    if (before != hscroll_) LayoutHeader();
}

void RowView::ScrollAcross(int offset) {
    hscroll_ = std::max(0, offset);
    UpdateScroll();
    LayoutHeader();
    Refresh();
}

void RowView::ScrollTo(int offset) {
    scroll_ = offset;
    UpdateScroll();
    Refresh();
}

void RowView::EnsureVisible(std::size_t index) {
    RECT client;
    GetClientRect(Handle(), &client);
    const auto& line = visible_.at(index);
    const int page = client.bottom - HeaderHeight();
    if (line.top < scroll_)
        ScrollTo(line.top);
    else if (line.top + line.height > scroll_ + page)
        ScrollTo(line.top + line.height - page);
}

void RowView::SelectLine(std::size_t index) {
    if (index >= visible_.size()) return;
    const bool changed = selected_ != index;
    selected_ = index;
    EnsureVisible(index);
    Refresh();
    if (changed) {
        if (GetFocus() == Handle()) RaiseEvent(EVENT_OBJECT_FOCUS, visible_[index].ref);
        RaiseEvent(EVENT_OBJECT_SELECTION, visible_[index].ref);
    }
    if (changed && onSelectionChanged) onSelectionChanged();
}

void RowView::ToggleCheckAt(std::size_t index) {
    if (LiveLine(index)) ToggleCheck(visible_[index].ref);
}

void RowView::ToggleCheck(RowRef ref) {
    if (!model_.HasCheckBoxes() || !Exists(ref)) return;
    model_.ToggleCheck(ref);
    Refresh();
    RaiseEvent(EVENT_OBJECT_STATECHANGE, ref);
    // A group's box follows its rows', and theirs follow it.
    if (ref.child) RaiseEvent(EVENT_OBJECT_STATECHANGE, RowRef{ref.row, std::nullopt});
    if (onCheckChanged) onCheckChanged(ref);
}

void RowView::RaiseEvent(DWORD event, std::optional<RowRef> ref) const {
    RaiseAccessibleEvent(Handle(), event, ref ? RowViewAccessible::IdOf(*ref) : CHILDID_SELF);
}

void RowView::OnLeftDown(POINT p) {
    SetFocus(Handle());
    const auto index = LineAt(p);
    if (!index) return;
    const RECT expand = ExpandButtonRect(*index), box = CheckBoxRect(*index);
    if (PtInRect(&expand, p)) {
        Expand(visible_[*index].ref.row, !IsExpanded(visible_[*index].ref.row));
        return;
    }
    SelectLine(*index);
    if (PtInRect(&box, p)) ToggleCheckAt(*index);
}

void RowView::OnKey(WPARAM key) {
    if (visible_.empty()) return;
    RECT client;
    GetClientRect(Handle(), &client);
    const std::size_t last = visible_.size() - 1;
    const std::size_t current = selected_.value_or(0);
    const auto pageRows = static_cast<std::size_t>(
        std::max(1, (static_cast<int>(client.bottom) - HeaderHeight()) / Scale(kRowHeight, WindowDpi(Handle()))));
    switch (key) {
        case VK_UP: SelectLine(selected_ ? (current > 0 ? current - 1 : 0) : 0); break;
        case VK_DOWN: SelectLine(selected_ ? std::min(last, current + 1) : 0); break;
        case VK_HOME: SelectLine(0); break;
        case VK_END: SelectLine(last); break;
        case VK_PRIOR: SelectLine(current > pageRows ? current - pageRows : 0); break;
        case VK_NEXT: SelectLine(std::min(last, current + pageRows)); break;
        case VK_SPACE: if (selected_) ToggleCheckAt(current); break;
        case VK_DELETE: if (onDelete) onDelete(); break;
        case VK_RIGHT:
        case VK_LEFT: {
            if (!LiveLine(selected_) || !model_.IsTree()) break;
            const RowRef ref = visible_[current].ref;
            if (key == VK_RIGHT && !ref.child) Expand(ref.row, true);
            if (key == VK_LEFT && !ref.child) Expand(ref.row, false);
            if (key == VK_LEFT && ref.child) Select({ref.row, std::nullopt});
            break;
        }
        case VK_RETURN:
            if (LiveLine(selected_) && onDoubleClick) onDoubleClick(visible_[current].ref);
            break;
        default: break;
    }
}

void RowView::AutoSizeColumn(int column) {
    const HDC dc = GetDC(Handle());
    const HGDIOBJ old = SelectObject(dc, MessageFont(WindowDpi(Handle())));
    int widest = 0;
    for (std::size_t i = 0; i < visible_.size(); ++i) {
        if (!Exists(visible_[i].ref)) continue;
        const std::wstring text = Wide(model_.CellText(visible_[i].ref, column));
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        int lead = 0;
        if (column == 0) {
            const RECT box = CheckBoxRect(i);
            lead = (model_.HasCheckBoxes() ? box.right + hscroll_ : Indent(visible_[i].ref)) +
                   Scale(model_.IsTree() && !visible_[i].ref.child ? 40 : 22, WindowDpi(Handle()));
        } else if (small_ && model_.CellImageIndex(visible_[i].ref, column) >= 0) {
            lead = Scale(16 + 4, WindowDpi(Handle()));  // the cell's icon and its gap
        }
        widest = std::max<int>(widest, lead + size.cx);
    }
    SelectObject(dc, old);
    ReleaseDC(Handle(), dc);
    HDITEMW item{};
    item.mask = HDI_WIDTH;
    item.cxy = widest + Scale(12, WindowDpi(Handle()));
    SendMessageW(header_, HDM_SETITEMW, column, reinterpret_cast<LPARAM>(&item));
    Refresh();
}

LRESULT RowView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    // While a run holds the list shut, nothing may act on its rows, however
    // the message came.
    if (!IsWindowEnabled(Handle()) && IsInput(message)) return 0;
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            const HDC dc = BeginPaint(Handle(), &ps);
            Paint(dc, ps.rcPaint);
            EndPaint(Handle(), &ps);
            return 0;
        }
        case WM_PRINTCLIENT: {
            RECT client;
            GetClientRect(Handle(), &client);
            Paint(reinterpret_cast<HDC>(wParam), client);
            return 0;
        }
        case WM_SIZE:
            FollowDpi();
            LayoutHeader();
            RebuildBackground();
            UpdateScroll();
            Refresh();
            return 0;
        case WM_MOUSEMOVE: {
            TrackMouseLeave(Handle(), tracking_);
            const auto line = LineAt(p);
            if (line != hot_) {
                hot_ = line;
                Refresh();
            }
            return 0;
        }
        case WM_MOUSELEAVE:
            tracking_ = false;
            hot_.reset();
            Refresh();
            return 0;
        case WM_LBUTTONDOWN:
            OnLeftDown(p);
            return 0;
        case WM_LBUTTONDBLCLK: {
            const auto index = LineAt(p);
            const RECT box = index ? CheckBoxRect(*index) : RECT{};
            if (!index || PtInRect(&box, p)) return 0;
            const RowRef ref = visible_[*index].ref;
            if (onDoubleClick)
                onDoubleClick(ref);
            else if (model_.IsTree() && !ref.child)
                Expand(ref.row, !IsExpanded(ref.row));
            return 0;
        }
        case WM_RBUTTONDOWN:
            SetFocus(Handle());
            if (const auto index = LineAt(p)) SelectLine(*index);
            return 0;
        case WM_CONTEXTMENU: {
            POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (lParam == -1) {  // from the keyboard: below the selected row
                const RECT r = selected_ ? RowRect(*selected_) : RECT{};
                screen = {r.left + 20, r.bottom};
                ClientToScreen(Handle(), &screen);
            }
            if (onContextMenu) onContextMenu(Selected(), screen);
            return 0;
        }
        case WM_MOUSEWHEEL:
            ScrollTo(scroll_ - GET_WHEEL_DELTA_WPARAM(wParam) * 3 * Scale(kRowHeight, WindowDpi(Handle())) / WHEEL_DELTA);
            return 0;
        case WM_HSCROLL: {
            RECT client;
            GetClientRect(Handle(), &client);
            const int step = Scale(kRowHeight, WindowDpi(Handle()));
            switch (LOWORD(wParam)) {
                case SB_LINELEFT: ScrollAcross(hscroll_ - step); break;
                case SB_LINERIGHT: ScrollAcross(hscroll_ + step); break;
                case SB_PAGELEFT: ScrollAcross(hscroll_ - client.right); break;
                case SB_PAGERIGHT: ScrollAcross(hscroll_ + client.right); break;
                case SB_THUMBTRACK:
                case SB_THUMBPOSITION: {
                    SCROLLINFO info{};
                    info.cbSize = sizeof(info);
                    info.fMask = SIF_TRACKPOS;
                    GetScrollInfo(Handle(), SB_HORZ, &info);
                    ScrollAcross(info.nTrackPos);
                    break;
                }
                default: break;
            }
            return 0;
        }
        case WM_VSCROLL: {
            RECT client;
            GetClientRect(Handle(), &client);
            const int line = Scale(kRowHeight, WindowDpi(Handle())), page = client.bottom - HeaderHeight();
            switch (LOWORD(wParam)) {
                case SB_LINEUP: ScrollTo(scroll_ - line); break;
                case SB_LINEDOWN: ScrollTo(scroll_ + line); break;
                case SB_PAGEUP: ScrollTo(scroll_ - page); break;
                case SB_PAGEDOWN: ScrollTo(scroll_ + page); break;
                case SB_THUMBTRACK:
                case SB_THUMBPOSITION: {
                    SCROLLINFO info{};
                    info.cbSize = sizeof(info);
                    info.fMask = SIF_TRACKPOS;
                    GetScrollInfo(Handle(), SB_VERT, &info);
                    ScrollTo(info.nTrackPos);
                    break;
                }
                default: break;
            }
            return 0;
        }
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_KEYDOWN:
            OnKey(wParam);
            return 0;
        case WM_SETFOCUS:
            // A reader names the row that has the focus, not a blank list.
            if (const auto selected = Selected()) RaiseEvent(EVENT_OBJECT_FOCUS, selected);
            Refresh();
            return 0;
        case WM_KILLFOCUS:
            Refresh();
            return 0;
        case WM_GETOBJECT:
            return accessible_->Answer(accessible_, wParam, lParam);
        case WM_THEMECHANGED:
            CloseThemes();
            Refresh();
            return 0;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHEADERW*>(lParam);
            if (header->hdr.hwndFrom == header_) {
                if (header->hdr.code == HDN_DIVIDERDBLCLICKW) AutoSizeColumn(header->iItem);
                if (header->hdr.code == HDN_ITEMCHANGEDW || header->hdr.code == HDN_TRACKW) {
                    UpdateScroll();
                    LayoutHeader();
                    Refresh();
                }
            }
            return 0;
        }
        default:
            return Default(message, wParam, lParam);
    }
}

}  // namespace tw::ui
