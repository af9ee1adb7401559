#include "row_view_demo_win.h"

#include <commctrl.h>

#include <array>

#include "demo_frame_win.h"
#include "ui/row_view_win.h"
#include "ui/wide_win.h"

namespace tw {
namespace {

using ui::RowRef;

constexpr std::array kCategories = {"Shared DLLs", "Uninstall Entries", "Orphaned Fonts ", "Sounds"};

class DemoTree final : public ui::CheckedTreeModel {
public:
    DemoTree() {
        checks_.Reset({3, 2, 4, 0}, true);
        checks_.SetChild(2, 1, false);
    }
    std::string CellText(RowRef ref, int column) const override {
        if (!ref.child) return column == 0 ? kCategories[ref.row] : "";
        const std::string file = "C:\\Program Files\\Old App " + std::to_string(ref.row) + "\\module" +
                                 std::to_string(*ref.child) + ".dll";
        return column == 0 ? file : "HKEY_LOCAL_MACHINE - Software\\Old App " + std::to_string(ref.row);
    }
    int ImageIndex(RowRef ref) const override { return ref.child ? -1 : static_cast<int>(ref.row); }
};

class DemoList final : public ui::RowModel {
public:
    std::size_t RowCount() const override { return 12; }
    bool HasCheckBoxes() const override { return true; }
    std::string CellText(RowRef ref, int column) const override {
        return column == 0 ? "C:\\Users\\Demo\\Documents\\report-" + std::to_string(2014 + ref.row) + ".doc"
                           : std::to_string((ref.row + 3) * 1234) + " bytes";
    }
    ui::CheckState Check(RowRef ref) override { return checked_[ref.row] ? ui::CheckState::Checked : ui::CheckState::Unchecked; }
    void ToggleCheck(RowRef ref) override { checked_[ref.row] = !checked_[ref.row]; }

private:
    std::array<bool, 12> checked_{true, false, true, true, false, true, true, false, true, true, true, false};
};

class RowViewDemo final : public DemoFrame {
public:
    RowViewDemo() : DemoFrame(L"TwRowViewDemo", "Row view", 800, 520) {
        images32_ = ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 4, 0);
        images16_ = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 4, 0);
        for (Tool t : {Tool::RegistryCleaner, Tool::DriveCleaner, Tool::PrivacyProtector, Tool::HistoryCleaner}) {
            ImageList_AddIcon(images32_, ToolIcon(t, 32));
            ImageList_AddIcon(images16_, ToolIcon(t, 16));
        }
        tree_ = std::make_unique<ui::RowView>(Page().At(10, 40, 470, 510, ui::kAnchorFill), treeModel_);
        tree_->AddColumn("Invalid Entries", 320);
        tree_->AddColumn("Registry Key", 260);
        tree_->SetImageLists(images16_, images32_);
        tree_->Expand(0, true);
        tree_->Expand(2, true);
        tree_->Select({2, 2});
        list_ = std::make_unique<ui::RowView>(Page().At(480, 40, 790, 510, {false, true, true, true}), listModel_);
        list_->AddColumn("Files", 220);
        list_->AddColumn("Size", 80);
        FitPage();
    }
    ~RowViewDemo() override {
        ImageList_Destroy(images32_);
        ImageList_Destroy(images16_);
    }
    // Puts the pointer over a row, as a user hovering it would.
    void HoverListRow(std::size_t index) {
        const RECT r = list_->RowRect(index);
        POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(list_->Handle(), &p);
        SetCursorPos(p.x, p.y);
        ScreenToClient(list_->Handle(), &p);
        SendMessageW(list_->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
    }

private:
    DemoTree treeModel_;
    DemoList listModel_;
    std::unique_ptr<ui::RowView> tree_, list_;
    HIMAGELIST images32_ = nullptr, images16_ = nullptr;
};

}  // namespace

std::unique_ptr<ui::Window> CreateRowViewDemo() {
    auto demo = std::make_unique<RowViewDemo>();
    demo->HoverListRow(3);
    return demo;
}

}  // namespace tw
