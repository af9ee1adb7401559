#include "internet_tuner/internet_window_win.h"

#include "internet_tuner/connection_profiles.h"
#include "ui/page_parts_win.h"

namespace tw {

TfrmInternet::TfrmInternet(SuiteContext& context)
    : ModuleWindow(Tool::InternetTuner, context),
      tuner_(context.platform, context.prompter, [this] { backups_->Refill(); }) {
    BuildWizardPage();
    BuildAdvancedPage();
    backups_ = std::make_unique<BackupsPage>(
        *this, kBackupsPage, tuner_.Backups(),
        "Backup files are automatically generated when you optimize your internet connection settings.",
        "internet6");
    ReadCurrentSettings();
    // The page shows what is stored, so that its next apply never writes
    // back what a restore or the wizard has changed since.
    backups_->onRestored = [this] { ReadCurrentSettings(); };
}

void TfrmInternet::ShowTaskPage(int page) {
    if (page == kAdvancedPage) ReadCurrentSettings();
    BringToFront(page);
}

void TfrmInternet::BuildWizardPage() {
    ui::Panel& page = AddPage(kWizardPage, "Optimization Wizard",
                              "Optimization Wizard tunes your internet settings according to connection types "
                              "listed below. You need to restart your computer for changes to be effective.",
                              84);
    auto& w = wizard_;
    const int rows = static_cast<int>(kConnectionProfiles.size());
    w.group = std::make_unique<ui::GroupPanel>(page.At(16, 92, 574, 112 + rows * 26, ui::kAnchorTopStretch),
                                               "Connection Type");
    w.profiles = std::make_unique<ui::RadioGroup>();
    for (int i = 0; i < rows; ++i)
        w.profiles->Add(w.group->At(16, 24 + i * 26, 540, 46 + i * 26, ui::kAnchorTopStretch),
                        kConnectionProfiles[static_cast<std::size_t>(i)].caption);
    ui::BuildButtonRow(page, {{w.help, "&Help"}, {w.apply, "&Apply", true}});
    w.help->onClick = [this] { ShowHelp("internet3"); };
    w.apply->onClick = [this] { tuner_.ApplyProfile(wizard_.profiles->Selected()); };
    SetDefaultButton(kWizardPage, *w.apply);
}

void TfrmInternet::ReadCurrentSettings() {
    AdvancedSettings settings = ChosenSettings();
    // A value that cannot be read is reported once; the window still opens
    // with what was read before it.
    try {
        tuner_.ReadSettings(settings);
    } catch (const std::exception& e) {
        ShowSettings(settings);
        ui::ReportError(e.what());
        return;
    }
    ShowSettings(settings);
}

}  // namespace tw
