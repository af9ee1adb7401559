#include "startup_manager/startup_dialogs_win.h"

#include "startup_manager/startup_locations.h"
#include "suite/artwork_win.h"
#include "ui/error_text.h"
#include "ui/page_parts_win.h"

namespace tw {
namespace {

constexpr int kWidth = 420;
constexpr int kAddHeight = 345;
constexpr int kEditHeight = 250;

}  // namespace

StartupEntryDialog::StartupEntryDialog(Pickers& pickers, std::string_view header, std::string_view nameHint,
                                       int height)
    : pickers_(pickers) {
    body_ = &CreateBoxWithBody(L"TfrmStartupEntry", kProductName, kWidth, height, header,
                               ProgramIcon(ui::SmallIconSize(nullptr)));
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
    action_->onClick = [this] {
        if (Confirm()) Dismiss();
    };
    SetDefaultButton(*action_);
    SetFirstFocus(*name_);
}

void StartupEntryDialog::Browse() {
    if (const auto picked = pickers_.OpenFile("", {})) program_->SetText(*picked);
}

TfrmAddStartup::TfrmAddStartup(Pickers& pickers, Prompter& prompter, bool windows64, Apply apply)
    : StartupEntryDialog(pickers, "         Add Startup Entry", "Name of the startup item you want to create.",
                         kAddHeight),
      prompter_(prompter),
      apply_(std::move(apply)) {
    auto& p = Body();
    locationHeading_ = ui::SectionHeading(p, 202, "   Startup Item Location");
    location_ = std::make_unique<ui::ComboList>(p.At(20, 224, 400, 246));
    for (const auto& home : StartupLocations(windows64)) location_->Add(home.text);
    location_->Select(0);
    locationHint_ =
        ui::Make<ui::Label>(p.At(20, 250, 400, 284),
                            {.text = "This is the place where information about the startup item will be stored."});
    AddButtons("&Add", 305);
}

std::optional<NewStartupEntry> TfrmAddStartup::Ask(HWND owner) {
    added_.reset();
    ShowModal(owner);
    return added_;
}

bool TfrmAddStartup::Confirm() {
    NewStartupEntry entry{NameBox().Text(), ProgramBox().Text(), location_->Entry(location_->Selected().value_or(0))};
    if (entry.name.empty() || entry.program.empty()) {
        prompter_.Notify(std::string(kFillAllFields));
        return false;
    }
    apply_(entry);
    added_ = std::move(entry);
    return true;
}

TfrmEditStartup::TfrmEditStartup(Pickers& pickers, const StartupEntry& entry, Apply apply)
    : StartupEntryDialog(pickers, "         Edit Startup Entry", "Name of the startup item you want to edit.",
                         kEditHeight),
      apply_(std::move(apply)) {
    NameBox().SetText(entry.name);
    ProgramBox().SetText(entry.command);
    AddButtons("&Edit", 210);
}

std::optional<StartupEdit> TfrmEditStartup::Ask(HWND owner) {
    edited_.reset();
    ShowModal(owner);
    return edited_;
}

bool TfrmEditStartup::Confirm() {
    StartupEdit edit{NameBox().Text(), ProgramBox().Text()};
    apply_(edit);
    edited_ = std::move(edit);
    return true;
}

}  // namespace tw
