#include <windows.h>

#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <algorithm>

#include "ui/fonts_win.h"
#include "ui/gradient.h"
#include "ui/row_view_win.h"
#include "ui/theme_win.h"
#include "ui/wide_win.h"

namespace tw::ui {
namespace {

constexpr int kBox = 16;
constexpr int kGap = 4;

// An image of a list at the list's own size, centred in the row's height;
// none for -1. Drawn any larger, it would show parts of its neighbours.
void DrawImage(HDC dc, HIMAGELIST list, int image, int x, const RECT& row) {
    int width = 0, height = 0;
    if (image < 0 || !ImageList_GetIconSize(list, &width, &height)) return;
    ImageList_DrawEx(list, image, dc, x, row.top + (row.bottom - row.top - height) / 2, width, height, CLR_NONE,
                     CLR_NONE, ILD_TRANSPARENT);
}

}  // namespace

// Theme data is opened on first use and kept until the theme changes: a
// paint draws a box on every row.
HTHEME RowView::Theme(ThemeSlot& slot, const wchar_t* classes) {
    if (!slot.opened) {
        slot.theme = OpenThemeData(Handle(), classes);
        slot.opened = true;
    }
    return slot.theme;
}

void RowView::CloseThemes() {
    for (ThemeSlot* slot : {&buttonTheme_, &treeTheme_}) {
        if (slot->theme) CloseThemeData(slot->theme);
        *slot = ThemeSlot{};
    }
}

// The gradient picture behind the rows, as large as the list's row area;
// rebuilt whenever the list changes size.
void RowView::RebuildBackground() {
    RECT client;
    GetClientRect(Handle(), &client);
    const int width = std::max(1L, client.right), height = std::max(1, static_cast<int>(client.bottom) - HeaderHeight());
    const HDC screen = GetDC(Handle());
    background_.Reset(CreateCompatibleBitmap(screen, width, height));
    const HDC dc = CreateCompatibleDC(screen);
    const HGDIOBJ old = SelectObject(dc, background_.Get());
    for (const auto& band : ListGradientBands(height)) {
        const RECT r{0, band.top, width, std::min(band.bottom, height)};
        if (r.bottom <= r.top) continue;
        SetDCBrushColor(dc, ToColorRef(band.color));
        FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(Handle(), screen);
    backgroundWidth_ = width;
    backgroundHeight_ = height;
}

void RowView::PaintCheck(HDC dc, const RECT& box, CheckState state) {
    // Under high contrast the classic box, which draws in the scheme's colours.
    if (const HTHEME theme = CurrentPalette().HighContrast() ? nullptr : Theme(buttonTheme_, L"BUTTON")) {
        const int part = state == CheckState::Checked ? CBS_CHECKEDNORMAL
                         : state == CheckState::Mixed ? CBS_MIXEDNORMAL
                                                      : CBS_UNCHECKEDNORMAL;
        DrawThemeBackground(theme, dc, BP_CHECKBOX, part, &box, nullptr);
        return;
    }
    // Without a theme the classic box; Wine has no mixed state of its own
    // for trees, so the partial mark is the classic grey check.
    RECT r = box;
    InflateRect(&r, -1, -1);
    UINT flags = DFCS_BUTTONCHECK | DFCS_FLAT;
    if (state == CheckState::Checked) flags |= DFCS_CHECKED;
    if (state == CheckState::Mixed) flags = DFCS_BUTTON3STATE | DFCS_CHECKED | DFCS_FLAT;
    DrawFrameControl(dc, &r, DFC_BUTTON, flags);
}

void RowView::PaintExpandButton(HDC dc, const RECT& box, bool expanded) {
    if (const HTHEME theme = CurrentPalette().HighContrast() ? nullptr : Theme(treeTheme_, L"TREEVIEW")) {
        DrawThemeBackground(theme, dc, TVP_GLYPH, expanded ? GLPS_OPENED : GLPS_CLOSED, &box, nullptr);
        return;
    }
    const int size = Scale(9, WindowDpi(Handle()));
    const int left = box.left + (box.right - box.left - size) / 2, top = box.top + (box.bottom - box.top - size) / 2;
    const RECT square{left, top, left + size, top + size};
    FillRect(dc, &square, InkBrush(Ink::Surface, Rgb{255, 255, 255}));
    FrameRect(dc, &square, InkBrush(Ink::Text, Rgb{128, 128, 128}));
    const int mid = size / 2;
    const HBRUSH mark = InkBrush(Ink::Text, Rgb{0, 0, 0});
    const RECT across{left + 2, top + mid, left + size - 2, top + mid + 1};
    FillRect(dc, &across, mark);
    const RECT down{left + mid, top + 2, left + mid + 1, top + size - 2};
    if (!expanded) FillRect(dc, &down, mark);
}

void RowView::PaintRow(HDC dc, std::size_t index, int originY) {
    const int dpi = WindowDpi(Handle());
    const auto& line = visible_[index];
    RECT row = RowRect(index);
    OffsetRect(&row, 0, -originY);
    const bool hot = hot_ == index, selected = selected_ == index;
    const bool focused = GetFocus() == Handle();
    const bool contrast = CurrentPalette().HighContrast();
    if (hot) {
        FillRect(dc, &row, InkBrush(Ink::Selection, kHotRowFill));
        FrameRect(dc, &row, InkBrush(Ink::Frame, kHotRowFrame));
    } else if (selected) {
        FillRect(dc, &row, focused ? GetSysColorBrush(COLOR_HIGHLIGHT) : InkBrush(Ink::Selection, Rgb{196, 208, 232}));
    }
    const bool onHighlight = contrast ? hot || selected : selected && !hot && focused;
    SetTextColor(dc, onHighlight ? GetSysColor(COLOR_HIGHLIGHTTEXT) : InkColour(Ink::Text, Rgb{}));

    const bool group = model_.IsTree() && !line.ref.child;
    if (model_.IsTree() && line.ref.child) {  // the tree line from the group to its children
        const int x = Scale(10, dpi) - hscroll_, mid = (row.top + row.bottom) / 2;
        const bool last = *line.ref.child + 1 == model_.ChildCount(line.ref.row);
        const COLORREF ink = InkColour(Ink::DimText, Rgb{128, 128, 128});
        for (int y = row.top; y < (last ? mid : row.bottom); y += 2) SetPixel(dc, x, y, ink);
        for (int xx = x; xx < Scale(18, dpi) - hscroll_; xx += 2) SetPixel(dc, xx, mid, ink);
    }
    if (group && model_.ChildCount(line.ref.row) > 0) {
        RECT expand = ExpandButtonRect(index);
        OffsetRect(&expand, 0, -originY);
        PaintExpandButton(dc, expand, IsExpanded(line.ref.row));
    }
    int x = Indent(line.ref) - hscroll_;
    if (model_.HasCheckBoxes()) {
        RECT box = CheckBoxRect(index);
        OffsetRect(&box, 0, -originY);
        PaintCheck(dc, box, model_.Check(line.ref));
        x = box.right + Scale(kGap, dpi);
    }
    const HIMAGELIST list = group ? large_ : small_;
    const int imageSize = Scale(group ? 32 : 16, dpi);
    if (list) {
        DrawImage(dc, list, model_.ImageIndex(line.ref), x, row);
        x += imageSize + Scale(kGap, dpi);
    }

    SelectObject(dc, group ? BoldFont(dpi) : MessageFont(dpi));
    const int columns = static_cast<int>(SendMessageW(header_, HDM_GETITEMCOUNT, 0, 0));
    int columnLeft = -hscroll_;
    for (int c = 0; c < columns; ++c) {
        const int width = ColumnWidth(c);
        RECT cell{c == 0 ? x : columnLeft + Scale(kGap, dpi), row.top, columnLeft + width - Scale(2, dpi), row.bottom};
        if (const int image = c > 0 && small_ ? model_.CellImageIndex(line.ref, c) : -1; image >= 0) {
            DrawImage(dc, small_, image, cell.left, row);
            cell.left += Scale(16 + kGap, dpi);
        }
        const std::wstring text = Wide(model_.CellText(line.ref, c));
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &cell,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        columnLeft += width;
    }
    if (selected && focused) {
        RECT focus = row;
        InflateRect(&focus, -1, -1);
        DrawFocusRect(dc, &focus);
    }
}

void RowView::Paint(HDC dc, const RECT& area) {
    RECT client;
    GetClientRect(Handle(), &client);
    const int headerHeight = HeaderHeight();
    RECT rows{0, headerHeight, client.right, client.bottom};
    if (rows.bottom <= rows.top) return;
    if (!background_ || backgroundWidth_ != client.right || backgroundHeight_ != rows.bottom - rows.top) RebuildBackground();
    BufferedPaint buffer(dc, rows);
    const HDC memory = buffer.Dc();
    if (CurrentPalette().Blends())
        DrawBitmap(memory, background_.Get(), 0, headerHeight, backgroundWidth_, backgroundHeight_);
    else
        FillRect(memory, &rows, InkBrush(Ink::Surface, kListTop));
    SetBkMode(memory, TRANSPARENT);
    const HGDIOBJ oldFont = SelectObject(memory, MessageFont(WindowDpi(Handle())));
    // Only the lines that meet the area are found and drawn, so a paint
    // costs the same for a hundred rows as for a hundred thousand.
    const int top = std::max(area.top, rows.top) - headerHeight + scroll_;
    const int bottom = area.bottom - headerHeight + scroll_;
    auto line = std::upper_bound(visible_.begin(), visible_.end(), top,
                                 [](int y, const Line& l) { return y < l.top + l.height; });
    for (; line != visible_.end() && line->top < bottom; ++line)
        if (Exists(line->ref)) PaintRow(memory, static_cast<std::size_t>(line - visible_.begin()), 0);
    SelectObject(memory, oldFont);
}

}  // namespace tw::ui
