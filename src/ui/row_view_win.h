#pragma once
#include <windows.h>

#include <commctrl.h>
#include <uxtheme.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/accessible_rows_win.h"
#include "ui/controls_win.h"
#include "ui/painting_win.h"
#include "ui/row_model.h"
#include "ui/window_win.h"

namespace tw::ui {

// The one control behind every list and tree of the program: columns in a
// header, flat lists or two-level trees over a RowModel, check boxes,
// icons, the gradient background and the sky-blue hot row, full-row
// selection, keyboard and wheel. It owns no data.
class RowView : public Window {
public:
    RowView(const Placement& at, RowModel& model);
    ~RowView() override;

    void AddColumn(std::string_view caption, int width96);
    int ColumnWidth(int column) const;
    // In pixels, as ColumnWidth gives it.
    void SetColumnWidth(int column, int width);
    // Images: 16-pixel list for rows, 32-pixel list for tree groups. Not owned.
    void SetImageLists(HIMAGELIST small, HIMAGELIST large);
    HIMAGELIST SmallImages() const { return small_; }
    HIMAGELIST LargeImages() const { return large_; }

    // The model changed: rows are rebuilt, groups collapsed, nothing selected.
    void Reset();
    // The model gained or lost rows in the middle of a run: the list follows
    // at once, keeping its place; rows past the new end lose hot and
    // selection.
    void RowsChanged();
    // Repaint after a change that kept the rows (e.g. checks set in code).
    void Refresh() { InvalidateRect(Handle(), nullptr, FALSE); }
    void Expand(std::size_t row, bool expanded);
    bool IsExpanded(std::size_t row) const;

    std::optional<RowRef> Selected() const;
    void Select(RowRef ref);
    std::optional<RowRef> HotRow() const;

    // Visible rows, top to bottom, and where each is (client pixels).
    std::size_t VisibleCount() const { return visible_.size(); }
    RowRef VisibleRow(std::size_t index) const { return visible_.at(index).ref; }
    RECT RowRect(std::size_t index) const;
    RECT CheckBoxRect(std::size_t index) const;
    RECT ExpandButtonRect(std::size_t index) const;
    int BackgroundHeight() const { return backgroundHeight_; }
    int HorizontalScroll() const { return hscroll_; }

    std::function<void(RowRef)> onCheckChanged;
    std::function<void(RowRef)> onDoubleClick;  // default: a group opens or closes
    std::function<void(std::optional<RowRef>, POINT screen)> onContextMenu;
    std::function<void()> onDelete;
    std::function<void()> onSelectionChanged;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend class RowViewAccessible;
    struct Line {
        RowRef ref;
        int top = 0;
        int height = 0;
    };
    void Rebuild();
    void ResizeFlatLines(std::size_t count);
    void Paint(HDC dc, const RECT& area);
    void PaintRow(HDC dc, std::size_t index, int originY);
    void PaintCheck(HDC dc, const RECT& box, CheckState state);
    void PaintExpandButton(HDC dc, const RECT& box, bool expanded);
    void RebuildBackground();
    struct ThemeSlot {
        HTHEME theme = nullptr;
        bool opened = false;
    };
    HTHEME Theme(ThemeSlot& slot, const wchar_t* classes);
    void CloseThemes();
    void LayoutHeader();
    void FollowDpi();
    void UpdateScroll();
    void ScrollTo(int offset);
    void ScrollAcross(int offset);
    int ColumnsWidth() const;
    void EnsureVisible(std::size_t index);
    std::optional<std::size_t> LineAt(POINT client) const;
    void SelectLine(std::size_t index);
    void ToggleCheckAt(std::size_t index);
    void ToggleCheck(RowRef ref);
    void RaiseEvent(DWORD event, std::optional<RowRef> ref) const;
    void OnLeftDown(POINT p);
    void OnKey(WPARAM key);
    void AutoSizeColumn(int column);
    int HeaderHeight() const;
    int RowHeight(const RowRef& ref) const;
    int Indent(const RowRef& ref) const;
    int ContentHeight() const;
    std::optional<std::size_t> IndexOf(const RowRef& ref) const;
    // Whether the model still has this row: between a change and the view
    // being told, a line may name a record that is gone.
    bool Exists(const RowRef& ref) const;
    std::optional<std::size_t> LiveLine(std::optional<std::size_t> index) const;

    RowModel& model_;
    HWND header_ = nullptr;
    int dpi_ = 96;  // the one lines and columns are sized for
    HIMAGELIST small_ = nullptr;
    HIMAGELIST large_ = nullptr;
    std::vector<bool> expanded_;
    std::vector<Line> visible_;
    std::optional<std::size_t> selected_;
    std::optional<std::size_t> hot_;
    int scroll_ = 0;
    int hscroll_ = 0;
    ThemeSlot buttonTheme_, treeTheme_;
    bool tracking_ = false;
    win32::UniqueGdiObject<HBITMAP> background_;
    int backgroundHeight_ = 0;
    int backgroundWidth_ = 0;
    std::shared_ptr<RowViewAccessible> accessible_ = std::make_shared<RowViewAccessible>(*this);
};

}  // namespace tw::ui
