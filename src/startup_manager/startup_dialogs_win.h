#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>

#include "platform/pickers.h"
#include "services/prompter.h"
#include "startup_manager/startup_edits.h"
#include "ui/combo_list_win.h"
#include "ui/controls_win.h"
#include "ui/dialog_win.h"

namespace tw {

// The add and edit boxes share their name and program sections; each is
// made when opened and destroyed when closed. A box collects what is typed
// and hands it to its `apply`, which acts on it; an error there keeps the
// box open with the input as it was, so nothing typed is lost.
class StartupEntryDialog : public ui::Dialog {
public:
    ui::Edit& NameBox() { return *name_; }
    ui::Edit& ProgramBox() { return *program_; }
    ui::Button& BrowseButton() { return *browse_; }
    ui::Button& CancelButton() { return *cancel_; }
    ui::Button& ActionButton() { return *action_; }

protected:
    StartupEntryDialog(Pickers& pickers, std::string_view header, std::string_view nameHint, int height);
    void AddButtons(std::string_view actionCaption, int top);
    ui::Panel& Body() { return *body_; }
    // Applies the box's input and closes it; returns when it did.
    virtual bool Confirm() = 0;

private:
    void Browse();

    Pickers& pickers_;
    ui::Panel* body_ = nullptr;  // the base's
    std::unique_ptr<ui::Label> nameHeading_, nameHint_, programHeading_, programHint_;
    std::unique_ptr<ui::Edit> name_, program_;
    std::unique_ptr<ui::Button> browse_, cancel_, action_;
};

// Startup Manager: the add box.
class TfrmAddStartup final : public StartupEntryDialog {
public:
    using Apply = std::function<void(const NewStartupEntry&)>;
    // Offers the locations of this Windows; every field must be filled.
    TfrmAddStartup(Pickers& pickers, Prompter& prompter, bool windows64, Apply apply);
    ui::ComboList& LocationList() { return *location_; }
    // The entry added, or nothing when the box was left.
    std::optional<NewStartupEntry> Ask(HWND owner);

private:
    bool Confirm() override;

    Prompter& prompter_;
    Apply apply_;
    std::optional<NewStartupEntry> added_;
    std::unique_ptr<ui::Label> locationHeading_, locationHint_;
    std::unique_ptr<ui::ComboList> location_;
};

// Startup Manager: the edit box, filled from the entry it edits.
class TfrmEditStartup final : public StartupEntryDialog {
public:
    using Apply = std::function<void(const StartupEdit&)>;
    TfrmEditStartup(Pickers& pickers, const StartupEntry& entry, Apply apply);
    // The new name and program, or nothing when the box was left.
    std::optional<StartupEdit> Ask(HWND owner);

private:
    bool Confirm() override;

    Apply apply_;
    std::optional<StartupEdit> edited_;
};

}  // namespace tw
