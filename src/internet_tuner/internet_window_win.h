#pragma once
#include <windows.h>

#include <array>
#include <memory>

#include "internet_tuner/internet_tuner.h"
#include "suite/backups_page_win.h"
#include "suite/module_window_win.h"
#include "ui/combo_list_win.h"
#include "ui/group_panel_win.h"
#include "ui/number_box_win.h"
#include "ui/radio_group_win.h"
#include "ui/tab_control_win.h"

namespace tw {

// The Internet Tuner window: "Optimization Wizard" (page 2), "Advanced"
// (page 3) with its four tabs, and "Backups" (page 4).
class TfrmInternet : public ModuleWindow {
public:
    static constexpr int kWizardPage = 2;
    static constexpr int kAdvancedPage = 3;
    static constexpr int kBackupsPage = 4;
    enum Tab { kMtuTab, kTcpIpTab, kExplorerTab, kNetworkTab, kTabCount };

    // "Windows Default", "Use Predefined Values" with its list, "Use Custom
    // Values" with its number box.
    struct ChoiceControls {
        std::unique_ptr<ui::GroupPanel> group;
        std::unique_ptr<ui::RadioGroup> choices;
        std::unique_ptr<ui::ComboList> list;
        std::unique_ptr<ui::NumberBox> box;
        std::unique_ptr<ui::Label> unit;
    };
    struct TabControls {
        std::unique_ptr<ui::Label> text, note;
        ChoiceControls choice;
        std::unique_ptr<ui::GroupPanel> options;
        std::unique_ptr<ui::Button> help, apply;
    };
    struct AdvancedControls {
        std::unique_ptr<ui::TabControl> tabs;
        std::array<TabControls, kTabCount> tab;
        std::unique_ptr<ui::CheckBox> pathMtuDiscovery, blackHoleDetection, windowScaling, selectiveAcks,
            duplicateAcks;
        std::unique_ptr<ui::Label> connections10Label, connections11Label;
        std::unique_ptr<ui::NumberBox> connections10, connections11;
    };
    struct WizardControls {
        std::unique_ptr<ui::GroupPanel> group;
        std::unique_ptr<ui::RadioGroup> profiles;
        std::unique_ptr<ui::Button> help, apply;
    };

    explicit TfrmInternet(SuiteContext& context);

    // What the user reaches by clicks and keys, for tests.
    AdvancedControls& Advanced() { return advanced_; }
    WizardControls& Wizard() { return wizard_; }
    BackupsPage::Controls& BackupsControls() { return backups_->GetControls(); }
    const std::vector<BackupFile>& BackupList() const { return backups_->Files(); }
    InternetTuner& Tuner() { return tuner_; }

    // The "Advanced" page as data, from its controls and onto them.
    AdvancedSettings ChosenSettings() const;
    void ShowSettings(const AdvancedSettings& settings);

protected:
    void ShowTaskPage(int page) override;

private:
    void BuildWizardPage();
    void BuildAdvancedPage();
    void BuildTab(Tab tab);
    void ReadCurrentSettings();

    InternetTuner tuner_;
    WizardControls wizard_;
    AdvancedControls advanced_;
    std::unique_ptr<BackupsPage> backups_;
};

}  // namespace tw
