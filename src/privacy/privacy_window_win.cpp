#include "privacy/privacy_window_win.h"

#include "platform/win32/owner_window_win.h"
#include "suite/busy_scope_win.h"
#include "suite/menu_icons_win.h"
#include "ui/page_parts_win.h"

namespace tw {
namespace {

// Image i is the look of status i: cleaned, passed, traces found.
win32::UniqueImageList StatusIcons(int size) {
    return MenuIconList({MenuIcon::Cleaned, MenuIcon::Passed, MenuIcon::Trace}, size);
}

}  // namespace

TfrmPrivacy::TfrmPrivacy(SuiteContext& context)
    : ModuleWindow(Tool::PrivacyProtector, context),
      rows_(LoadPrivacyRows(context.settings)),
      images_(StatusIcons(ui::SmallIconSize(Handle()))) {
    BuildCleanPage();
}

void TfrmPrivacy::OnDpiChanged(int dpi) {
    images_ = StatusIcons(ui::SmallIconSizeAt(dpi));
    page_.items->SetImageLists(images_.Get(), nullptr);
}

void TfrmPrivacy::BuildCleanPage() {
    ui::Panel& page = AddPage(kCleanPage, "Privacy Protector",
        "You can select/unselect privacy items from the list below. When you click on \"Clean\" button, the items "
        "you have selected will be cleaned.", 80);
    page_.items = std::make_unique<ui::RowView>(page.At(16, 88, 574, 490, ui::kAnchorFill), list_);
    page_.items->AddColumn("Privacy Item", 380);
    page_.items->AddColumn("Status", 150);
    page_.items->SetImageLists(images_.Get(), nullptr);
    ui::BuildButtonRow(page, {{page_.help, "&Help"}, {page_.clean, "&Clean", true}});
    page_.help->onClick = [this] { ShowHelp("privacy2"); };
    page_.clean->onClick = [this] { RunPrivacyClean(); };
    SetDefaultButton(kCleanPage, *page_.clean);
}

void TfrmPrivacy::RunPrivacyClean() {
    if (Busy()) return;
    // The shell's Recycle Bin progress lets messages run: no second click,
    // and a close waits for the run's end.
    const BusyScope run(*this, {page_.clean.get()});
    Platform platform = Context().platform;
    tw::RunPrivacyClean(rows_, Context().prompter, platform, win32::OwnerOf(Handle()),
                        [this](std::size_t) { page_.items->Refresh(); });
}

void TfrmPrivacy::SaveSettings() { SavePrivacySelection(Context().settings, rows_); }

}  // namespace tw
