#include "controls_demo_win.h"

#include <commctrl.h>

#include <array>
#include <chrono>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "demo_frame_win.h"
#include "ui/combo_list_win.h"
#include "ui/group_panel_win.h"
#include "ui/icon_button_win.h"
#include "ui/number_box_win.h"
#include "ui/progress_text.h"
#include "ui/radio_group_win.h"
#include "ui/row_view_win.h"
#include "ui/tab_control_win.h"
#include "ui/timer_win.h"

namespace tw {
namespace {

using namespace std::chrono_literals;

struct ChoiceTab {
    const char* caption;
    const char* group;
    std::initializer_list<std::string_view> entries;
    int minimum, maximum, value;
};

const std::array<ChoiceTab, 4> kTabs{{
    {"MTU", "MTU", {"576", "1480", "1492", "1500"}, 50, 9999, 50},
    {"TCP/IP", "TCP Window Size (RWIN)", {"MSS * 4", "MSS * 5", "MSS * 6", "MSS * 10"}, 50, 999999, 50},
    {"Internet Explorer Settings", "Session Keep Alive Time", {"10 min.", "20 min.", "30 min."}, 1, 600, 1},
    {"Network Settings", "TTL", {"32", "64", "128"}, 1, 255, 64},
}};

// "Windows Default", a predefined value from a list, or a custom number.
struct ChoiceGroup {
    ChoiceGroup(ui::Panel& page, const ChoiceTab& tab)
        : frame(page.At(10, 10, 500, 120, ui::kAnchorTopStretch), tab.group),
          list(frame.At(220, 48, 360, 70), tab.entries),
          number(frame.At(220, 80, 320, 102), {.minimum = tab.minimum, .maximum = tab.maximum, .value = tab.value}) {
        choices.Add(frame.At(12, 22, 200, 42), "Windows Default");
        choices.Add(frame.At(12, 50, 200, 70), "Use Predefined Values");
        choices.Add(frame.At(12, 82, 200, 102), "Use Custom Values");
        choices.Bind(1, list);
        choices.Bind(2, number);
    }
    ui::GroupPanel frame;
    ui::RadioGroup choices;
    ui::ComboList list;
    ui::NumberBox number;
};

class StatusList final : public ui::RowModel {
public:
    std::size_t RowCount() const override { return 5; }
    bool HasCheckBoxes() const override { return true; }
    std::string CellText(ui::RowRef ref, int column) const override {
        static const char* const items[] = {"Recent Documents", "Run History", "Recycle Bin", "Windows Clipboard",
                                            "Temporary Files"};
        if (column == 0) return items[ref.row];
        return ref.row == 2 ? "" : ref.row % 2 ? "Passed" : "Cleaned";
    }
    int CellImageIndex(ui::RowRef ref, int column) const override {
        return column == 1 && ref.row != 2 ? static_cast<int>(ref.row % 2) : -1;
    }
    ui::CheckState Check(ui::RowRef ref) override {
        return ref.row % 2 ? ui::CheckState::Unchecked : ui::CheckState::Checked;
    }
};

class ControlsDemo final : public DemoFrame {
public:
    ControlsDemo() : DemoFrame(L"TwControlsDemo", "Controls", 800, 520) {
        tabs_ = std::make_unique<ui::TabControl>(Page().At(10, 40, 540, 510, ui::kAnchorFill));
        for (const auto& tab : kTabs) {
            ui::Panel& page = tabs_->AddPage(tab.caption);
            groups_.push_back(std::make_unique<ChoiceGroup>(page, tab));
            applies_.push_back(
                ui::Make<ui::Button>(page.At(420, 400, 500, 423, ui::kAnchorBottomRight), {.caption = "&Apply"}));
        }
        const ui::Anchors right{false, true, true, false};
        start_ = ui::Make<ui::IconButton>(Page().At(560, 40, 680, 70, right),
                                          {.caption = "&Start", .icon = ToolIcon(Tool::DriveCleaner, 16)});
        status_ = ui::Make<ui::Label>(Page().At(560, 76, 790, 96, right), {});
        start_->onClick = [this] { Toggle(); };
        animation_ = std::make_unique<ui::Timer>(Handle(), 250ms);
        animation_->onTick = [this] { status_->SetText(progress_.Tick()); };

        images_ = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 0);
        ImageList_AddIcon(images_, ToolIcon(Tool::PrivacyProtector, 16));
        ImageList_AddIcon(images_, ToolIcon(Tool::HistoryCleaner, 16));
        list_ = std::make_unique<ui::RowView>(Page().At(560, 110, 790, 510, {false, true, true, true}), model_);
        list_->AddColumn("Privacy Item", 140);
        list_->AddColumn("Status", 85);
        list_->SetImageLists(images_, nullptr);
        groups_[0]->choices.Select(1);
        FitPage();
    }
    ~ControlsDemo() override { ImageList_Destroy(images_); }

private:
    void Toggle() {
        const bool starting = !animation_->Running();
        start_->SetFace(starting ? "&Stop" : "&Start", ToolIcon(starting ? Tool::PrivacyProtector : Tool::DriveCleaner, 16));
        if (starting)
            animation_->Start();
        else
            animation_->Stop();
    }

    std::unique_ptr<ui::TabControl> tabs_;
    std::vector<std::unique_ptr<ChoiceGroup>> groups_;
    std::vector<std::unique_ptr<ui::Button>> applies_;
    std::unique_ptr<ui::IconButton> start_;
    std::unique_ptr<ui::Label> status_;
    std::unique_ptr<ui::Timer> animation_;
    ui::ProgressText progress_{"Cleaning junk files"};
    StatusList model_;
    std::unique_ptr<ui::RowView> list_;
    HIMAGELIST images_ = nullptr;
};

}  // namespace

std::unique_ptr<ui::Window> CreateControlsDemo() { return std::make_unique<ControlsDemo>(); }

}  // namespace tw
