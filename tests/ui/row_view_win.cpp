#include "ui/row_view_win.h"

#include <functional>
#include <memory>

#include "support/client_snapshot_win.h"
#include "support/host_window_win.h"
#include "support/ui_session_win.h"
#include "ui/fonts_win.h"

namespace tw {
namespace {

using ui::CheckState;
using ui::RowRef;

// Three groups of 2, 3 and 0 children, every box ticked at the start.
class DemoTree final : public ui::CheckedTreeModel {
public:
    DemoTree() { checks_.Reset({2, 3, 0}, true); }
    std::string CellText(RowRef ref, int column) const override {
        if (!ref.child) return "Group " + std::to_string(ref.row);
        return "Item " + std::to_string(ref.row) + "." + std::to_string(*ref.child) + (column ? " key" : "");
    }
};

class FlatList final : public ui::RowModel {
public:
    std::size_t RowCount() const override { return 40; }
    std::string CellText(RowRef ref, int) const override { return "Row " + std::to_string(ref.row); }
};

// A list whose records go away under the view, as a clean erases them,
// and which notes every question about a row it no longer has.
class ShrinkingList final : public ui::RowModel {
public:
    std::size_t RowCount() const override { return count; }
    std::string CellText(RowRef ref, int) const override {
        Note(ref);
        return "Row " + std::to_string(ref.row);
    }
    bool HasCheckBoxes() const override { return true; }
    CheckState Check(RowRef ref) override {
        Note(ref);
        return CheckState::Checked;
    }
    void ToggleCheck(RowRef ref) override { Note(ref); }

    std::size_t count = 10;
    mutable std::size_t pastTheEnd = 0;

private:
    void Note(RowRef ref) const {
        if (ref.row >= count) ++pastTheEnd;
    }
};

class RowViewTest : public UiTest {
protected:
    std::unique_ptr<ui::RowView> Make(ui::RowModel& model) {
        auto view = std::make_unique<ui::RowView>(host.panel->At(0, 0, 400, 300, ui::kAnchorFill), model);
        view->AddColumn("Invalid Entries", 200);
        view->AddColumn("Registry Key", 150);
        return view;
    }
    static void Click(ui::RowView& view, const RECT& r, UINT message = WM_LBUTTONDOWN) {
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        SendMessageW(view.Handle(), message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, at);
        if (message == WM_LBUTTONDOWN) SendMessageW(view.Handle(), WM_LBUTTONUP, 0, at);
    }
    static void Key(ui::RowView& view, WPARAM key) { SendMessageW(view.Handle(), WM_KEYDOWN, key, 0); }

    HostWindow host;
};

TEST_F(RowViewTest, ClickingBoxesTracksGroupAndChildrenBothWays) {
    DemoTree tree;
    auto view = Make(tree);
    ASSERT_EQ(view->VisibleCount(), 3u);  // groups start collapsed
    Click(*view, view->ExpandButtonRect(1));
    ASSERT_EQ(view->VisibleCount(), 6u);
    EXPECT_EQ(view->VisibleRow(3), (RowRef{1, 1}));

    Click(*view, view->CheckBoxRect(3));  // one child off: the group is mixed
    EXPECT_EQ(tree.Check({1, std::nullopt}), CheckState::Mixed);
    Click(*view, view->CheckBoxRect(1));  // the mixed group becomes checked, children too
    EXPECT_EQ(tree.Check({1, 1}), CheckState::Checked);
    Click(*view, view->CheckBoxRect(1));
    for (std::size_t c = 0; c < 3; ++c) EXPECT_EQ(tree.Check({1, c}), CheckState::Unchecked);

    // Space toggles the selected row's box.
    Key(*view, VK_HOME);
    Key(*view, VK_SPACE);
    EXPECT_EQ(tree.Check({0, std::nullopt}), CheckState::Unchecked);
    EXPECT_FALSE(tree.Checks().ChildrenCreated(0));
    Click(*view, view->ExpandButtonRect(0));  // children made now take the group's state
    EXPECT_EQ(tree.Check({0, 1}), CheckState::Unchecked);
}

TEST_F(RowViewTest, KeyboardMovesTheSelectionAndOpensGroups) {
    DemoTree tree;
    auto view = Make(tree);
    int deletes = 0;
    view->onDelete = [&] { ++deletes; };
    Key(*view, VK_DOWN);
    EXPECT_EQ(view->Selected(), (RowRef{0, std::nullopt}));
    Key(*view, VK_RIGHT);
    EXPECT_TRUE(view->IsExpanded(0));
    Key(*view, VK_DOWN);
    EXPECT_EQ(view->Selected(), (RowRef{0, 0}));
    Key(*view, VK_LEFT);  // from a child to its group
    EXPECT_EQ(view->Selected(), (RowRef{0, std::nullopt}));
    Key(*view, VK_END);
    EXPECT_EQ(view->Selected(), (RowRef{2, std::nullopt}));
    Key(*view, VK_DELETE);
    EXPECT_EQ(deletes, 1);
}

TEST_F(RowViewTest, RightClickSelectsAndAsksForTheContextMenu) {
    FlatList list;
    auto view = Make(list);
    std::optional<RowRef> menuFor;
    view->onContextMenu = [&](std::optional<RowRef> ref, POINT) { menuFor = ref; };
    const RECT row = view->RowRect(4);
    const LPARAM at = MAKELPARAM(50, (row.top + row.bottom) / 2);
    SendMessageW(view->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, at);
    POINT screen{50, (row.top + row.bottom) / 2};
    ClientToScreen(view->Handle(), &screen);
    SendMessageW(view->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(view->Handle()), MAKELPARAM(screen.x, screen.y));
    EXPECT_EQ(view->Selected(), (RowRef{4, std::nullopt}));
    EXPECT_EQ(menuFor, (RowRef{4, std::nullopt}));
}

TEST_F(RowViewTest, DoubleClickOpensAGroupUnlessTheOwnerTakesIt) {
    DemoTree tree;
    auto view = Make(tree);
    SendMessageW(view->Handle(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(200, (view->RowRect(1).top + view->RowRect(1).bottom) / 2));
    EXPECT_TRUE(view->IsExpanded(1));
    std::optional<RowRef> reported;
    view->onDoubleClick = [&](RowRef ref) { reported = ref; };
    SendMessageW(view->Handle(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(200, (view->RowRect(0).top + view->RowRect(0).bottom) / 2));
    EXPECT_EQ(reported, (RowRef{0, std::nullopt}));
    EXPECT_FALSE(view->IsExpanded(0));
}

TEST_F(RowViewTest, GroupRowsAre32AndOtherRows18PixelsHigh) {
    DemoTree tree;
    auto view = Make(tree);
    view->Expand(0, true);
    const RECT group = view->RowRect(0), child = view->RowRect(1);
    EXPECT_EQ(group.bottom - group.top, 32);
    EXPECT_EQ(child.bottom - child.top, 18);
    EXPECT_EQ(child.top, group.bottom);
}

TEST_F(RowViewTest, GradientRunsTopToBottomAndFollowsAResize) {
    FlatList list;
    auto view = Make(list);
    view->Reset();
    auto corners = [&](int height) {
        const ClientSnapshot shot(view->Handle());
        RECT client;
        GetClientRect(view->Handle(), &client);
        // Beyond the columns nothing is drawn over the background.
        const int x = client.right - 3;
        const int top = client.bottom - height;
        EXPECT_EQ(shot.At(x, top), RGB(221, 221, 219));
        EXPECT_EQ(shot.At(x, client.bottom - 1), RGB(235, 235, 235));
    };
    corners(view->BackgroundHeight());
    MoveWindow(view->Handle(), 0, 0, 380, 500, TRUE);
    corners(view->BackgroundHeight());
    RECT client;
    GetClientRect(view->Handle(), &client);
    EXPECT_GT(view->BackgroundHeight(), 400);
}

TEST_F(RowViewTest, TheHotRowIsSkyBlueWithABlueFrameAndClearsWhenTheMouseLeaves) {
    FlatList list;
    auto view = Make(list);
    const RECT row = view->RowRect(2);
    SendMessageW(view->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(300, (row.top + row.bottom) / 2));
    ASSERT_EQ(view->HotRow(), (RowRef{2, std::nullopt}));
    {
        const ClientSnapshot shot(view->Handle());
        EXPECT_EQ(shot.At(row.right - 5, row.top + 4), RGB(166, 202, 240));
        EXPECT_EQ(shot.At(row.right - 5, row.top), RGB(0, 0, 255));
        EXPECT_EQ(shot.At(row.left, row.top + 4), RGB(0, 0, 255));
    }
    SendMessageW(view->Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(view->HotRow(), std::nullopt);
    const ClientSnapshot after(view->Handle());
    EXPECT_NE(after.At(row.right - 5, row.top + 4), RGB(166, 202, 240));
}

// Long registry keys: columns wider than the list scroll sideways, the
// header and the boxes move with the rows, and clicks still find the boxes.
TEST_F(RowViewTest, ColumnsWiderThanTheListScrollSideways) {
    DemoTree tree;
    auto view = Make(tree);
    view->AddColumn("Third", 300);  // 200 + 150 + 300 > 400
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE;
    GetScrollInfo(view->Handle(), SB_HORZ, &info);
    EXPECT_EQ(info.nMax + 1, 650);
    const RECT before = view->CheckBoxRect(0);
    SendMessageW(view->Handle(), WM_HSCROLL, SB_LINERIGHT, 0);
    ASSERT_GT(view->HorizontalScroll(), 0);
    const RECT after = view->CheckBoxRect(0);
    EXPECT_EQ(after.left, before.left - view->HorizontalScroll());
    HWND header = GetWindow(view->Handle(), GW_CHILD);
    RECT headerRect;
    GetWindowRect(header, &headerRect);
    POINT origin{headerRect.left, headerRect.top};
    ScreenToClient(view->Handle(), &origin);
    EXPECT_EQ(origin.x, -view->HorizontalScroll());
    SendMessageW(view->Handle(), WM_HSCROLL, SB_PAGERIGHT, 0);
    SendMessageW(view->Handle(), WM_HSCROLL, SB_PAGERIGHT, 0);
    RECT client;
    GetClientRect(view->Handle(), &client);
    EXPECT_EQ(view->HorizontalScroll(), 650 - client.right);  // never past the last column
    SendMessageW(view->Handle(), WM_HSCROLL, SB_PAGELEFT, 0);
    SendMessageW(view->Handle(), WM_HSCROLL, SB_PAGELEFT, 0);
    EXPECT_EQ(view->HorizontalScroll(), 0);
    Click(*view, view->CheckBoxRect(0));
    EXPECT_EQ(tree.Check({0, std::nullopt}), CheckState::Unchecked);
}

TEST_F(RowViewTest, ResetCollapsesAndClearsTheSelection) {
    DemoTree tree;
    auto view = Make(tree);
    view->Select({1, 2});
    EXPECT_TRUE(view->IsExpanded(1));
    view->Reset();
    EXPECT_EQ(view->VisibleCount(), 3u);
    EXPECT_EQ(view->Selected(), std::nullopt);
}

// The Privacy Protector's Status column: an icon in a cell after the first.
TEST_F(RowViewTest, ACellAfterTheFirstShowsItsOwnIcon) {
    class StatusList final : public ui::RowModel {
    public:
        std::size_t RowCount() const override { return 3; }
        std::string CellText(RowRef, int column) const override { return column ? "Cleaned" : "Recent Documents"; }
        int CellImageIndex(RowRef ref, int column) const override { return column == 1 && ref.row != 1 ? 0 : -1; }
    } list;
    auto view = Make(list);
    const HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
    const HDC screen = GetDC(nullptr);
    const HBITMAP red = CreateCompatibleBitmap(screen, 16, 16);
    ReleaseDC(nullptr, screen);
    {
        const HDC dc = CreateCompatibleDC(nullptr);
        const HGDIOBJ old = SelectObject(dc, red);
        const RECT all{0, 0, 16, 16};
        FillRect(dc, &all, ui::SolidBrush(ui::Rgb{255, 0, 0}));
        SelectObject(dc, old);
        DeleteDC(dc);
    }
    ImageList_AddMasked(images, red, RGB(255, 0, 255));
    DeleteObject(red);
    view->SetImageLists(images, nullptr);
    {
        const ClientSnapshot shot(view->Handle());
        const int x = view->ColumnWidth(0) + 4 + 8;  // the middle of the Status icon
        auto middle = [&](std::size_t index) { return (view->RowRect(index).top + view->RowRect(index).bottom) / 2; };
        EXPECT_EQ(shot.At(x, middle(0)), RGB(255, 0, 0));
        EXPECT_NE(shot.At(x, middle(1)), RGB(255, 0, 0));
        EXPECT_EQ(shot.At(x, middle(2)), RGB(255, 0, 0));
        EXPECT_NE(shot.At(8, middle(0)), RGB(255, 0, 0));  // the first column has none of its own
    }
    // A double click on the divider makes room for the icon as well as the text.
    NMHEADERW divider{{GetWindow(view->Handle(), GW_CHILD), 0, HDN_DIVIDERDBLCLICKW}, 1, 0, nullptr};
    SendMessageW(view->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&divider));
    const HDC dc = GetDC(view->Handle());
    SelectObject(dc, ui::MessageFont(ui::WindowDpi(view->Handle())));
    SIZE text{};
    GetTextExtentPoint32W(dc, L"Cleaned", 7, &text);
    ReleaseDC(view->Handle(), dc);
    EXPECT_GE(view->ColumnWidth(1), 4 + 16 + 4 + text.cx + 2);
    ImageList_Destroy(images);
}

// The records behind the last rows are gone and the view has not been told
// yet: nothing a paint, the mouse or a key does may reach past the model's end.
TEST_F(RowViewTest, RowsPastTheModelsEndAreNeitherDrawnNorTouched) {
    ShrinkingList list;
    auto view = Make(list);
    int checks = 0, opened = 0;
    std::optional<RowRef> menuFor{RowRef{}};
    view->onCheckChanged = [&](RowRef) { ++checks; };
    view->onDoubleClick = [&](RowRef) { ++opened; };
    view->onContextMenu = [&](std::optional<RowRef> ref, POINT) { menuFor = ref; };
    const RECT last = view->RowRect(9), box = view->CheckBoxRect(9);
    const LPARAM onLast = MAKELPARAM(100, (last.top + last.bottom) / 2);
    view->Select({9, std::nullopt});
    list.count = 6;
    const std::pair<const char*, std::function<void()>> touches[] = {
        {"paint", [&] { RedrawWindow(view->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }},
        {"mouse over", [&] { SendMessageW(view->Handle(), WM_MOUSEMOVE, 0, onLast); }},
        {"box click", [&] { Click(*view, box); }},
        {"double click", [&] { SendMessageW(view->Handle(), WM_LBUTTONDBLCLK, 0, onLast); }},
        {"Space", [&] { Key(*view, VK_SPACE); }},
        {"Enter", [&] { Key(*view, VK_RETURN); }},
        {"menu key", [&] { SendMessageW(view->Handle(), WM_CONTEXTMENU, 0, -1); }},
        {"column auto-size", [&] {
             NMHEADERW divider{{nullptr, 0, HDN_DIVIDERDBLCLICKW}, 0, 0, nullptr};
             divider.hdr.hwndFrom = FindWindowExW(view->Handle(), nullptr, WC_HEADERW, nullptr);
             SendMessageW(view->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&divider));
         }},
    };
    for (const auto& [touch, act] : touches) {
        list.pastTheEnd = 0;
        act();
        EXPECT_EQ(list.pastTheEnd, 0u) << touch;
    }
    EXPECT_EQ(checks, 0);
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(menuFor, std::nullopt);
    view->RowsChanged();
    EXPECT_EQ(view->VisibleCount(), 6u);
}

}  // namespace
}  // namespace tw
