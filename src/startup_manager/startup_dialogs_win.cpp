#include "startup_manager/startup_dialogs_win.h"

#include "suite/artwork_win.h"
#include "startup_manager/startup_edits.h"
#include "startup_manager/startup_locations.h"
#include "startup_manager/startup_marks.h"
#include "startup_manager/startup_window_win.h"
#include "ui/error_text.h"
#include "ui/fonts_win.h"
#include "ui/page_parts_win.h"

namespace tw {
namespace {

constexpr int kWidth = 420;
constexpr int kAddHeight = 345;
constexpr int kEditHeight = 250;

}  // namespace

StartupEntryDialog::StartupEntryDialog(TfrmStartup& owner, std::string_view header, std::string_view nameHint,
                                       int height)
    : owner_(owner) {
    const int dpi = ui::WindowDpi(nullptr);
    CreateBox(L"TfrmStartupEntry", kProductName, kWidth, height);
    body_ = std::make_unique<ui::Panel>(Handle(), kWidth, height, header, ProgramIcon(ui::Scale(16, dpi)));
    MoveWindow(body_->Handle(), 0, 0, ui::Scale(kWidth, dpi), ui::Scale(height, dpi), FALSE);
    ShowWindow(body_->Handle(), SW_SHOW);
    auto& p = *body_;
    nameHeading_ = ui::SectionHeading(p, 50, "  Startup Item");
    name_ = ui::Make<ui::Edit>(p.At(20, 72, 400, 94), {});
    nameHint_ = ui::Make<ui::Label>(p.At(20, 98, 400, 116), {.text = nameHint});
    programHeading_ = ui::SectionHeading(p, 126, "   File Location");
    program_ = ui::Make<ui::Edit>(p.At(20, 148, 366, 170), {});
    browse_ = ui::Make<ui::Button>(p.At(372, 148, 400, 170), {.caption = "..."});
    programHint_ = ui::Make<ui::Label>(p.At(20, 174, 400, 192), {.text = "Location of the program on file system."});
    browse_->onClick = [this] { Browse(); };
}

void StartupEntryDialog::AddButtons(std::string_view actionCaption, int top) {
    auto& p = *body_;
    cancel_ = ui::Make<ui::Button>(p.At(224, top, 308, top + 25), {.caption = "&Cancel"});
    action_ = ui::Make<ui::Button>(p.At(316, top, 400, top + 25), {.caption = actionCaption, .isDefault = true});
    cancel_->onClick = [this] { Dismiss(); };
    action_->onClick = [this] { Confirm(); };
    SetDefaultButton(*action_);
    SetFirstFocus(*name_);
}

void StartupEntryDialog::Browse() {
    if (const auto picked = owner_.Context().pickers.OpenFile("", {})) program_->SetText(*picked);
}

TfrmAddStartup::TfrmAddStartup(TfrmStartup& owner)
    : StartupEntryDialog(owner, "         Add Startup Entry", "Name of the startup item you want to create.",
                         kAddHeight) {
    auto& p = *body_;
    locationHeading_ = ui::SectionHeading(p, 202, "   Startup Item Location");
    location_ = std::make_unique<ui::ComboList>(p.At(20, 224, 400, 246));
    for (const auto& home : StartupLocations(owner.Store().windows64)) location_->Add(home.text);
    location_->Select(0);
    locationHint_ =
        ui::Make<ui::Label>(p.At(20, 250, 400, 284),
                            {.text = "This is the place where information about the startup item will be stored."});
    AddButtons("&Add", 305);
}

void TfrmAddStartup::Confirm() {
    const std::string name = NameBox().Text(), program = ProgramBox().Text();
    if (name.empty() || program.empty()) {
        owner_.Context().prompter.Notify(std::string(kFillAllFields));
        return;
    }
    // A failed write throws before anything changed: the box stays open.
    const std::string location = location_->Entry(location_->Selected().value_or(0));
    AddStartupEntry(owner_.Store(), name, program, location);
    ui::Guarded([&] { owner_.RebuildAt(location, name, true); });
    Dismiss();
}

TfrmEditStartup::TfrmEditStartup(TfrmStartup& owner, StartupEntry entry, bool ticked)
    : StartupEntryDialog(owner, "         Edit Startup Entry", "Name of the startup item you want to edit.",
                         kEditHeight),
      entry_(std::move(entry)),
      ticked_(ticked) {
    NameBox().SetText(entry_.name);
    ProgramBox().SetText(entry_.command);
    AddButtons("&Edit", 210);
}

void TfrmEditStartup::Confirm() {
    const std::string name = NameBox().Text();
    EditStartupEntry(owner_.Store(), entry_, ticked_, name, ProgramBox().Text());
    ui::Guarded([&] { owner_.RebuildAt(entry_.location, name, InEnabledHome(entry_, ticked_)); });
    Dismiss();
}

}  // namespace tw
