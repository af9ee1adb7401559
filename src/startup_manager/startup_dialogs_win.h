#pragma once
#include <windows.h>

#include <memory>

#include "startup_manager/startup_entry.h"
#include "ui/combo_list_win.h"
#include "ui/controls_win.h"
#include "ui/dialog_win.h"
#include "ui/panel_win.h"

namespace tw {

class TfrmStartup;

// The add and edit boxes share their name and program sections; each is
// made when opened and destroyed when closed.
class StartupEntryDialog : public ui::Dialog {
public:
    ui::Edit& NameBox() { return *name_; }
    ui::Edit& ProgramBox() { return *program_; }
    ui::Button& BrowseButton() { return *browse_; }
    ui::Button& CancelButton() { return *cancel_; }
    ui::Button& ActionButton() { return *action_; }

protected:
    StartupEntryDialog(TfrmStartup& owner, std::string_view header, std::string_view nameHint, int height);
    void AddButtons(std::string_view actionCaption, int top);
    virtual void Confirm() = 0;

    TfrmStartup& owner_;
    std::unique_ptr<ui::Panel> body_;

private:
    void Browse();

    std::unique_ptr<ui::Label> nameHeading_, nameHint_, programHeading_, programHint_;
    std::unique_ptr<ui::Edit> name_, program_;
    std::unique_ptr<ui::Button> browse_, cancel_, action_;
};

class TfrmAddStartup final : public StartupEntryDialog {
public:
    explicit TfrmAddStartup(TfrmStartup& owner);
    ui::ComboList& LocationList() { return *location_; }

private:
    void Confirm() override;
    std::unique_ptr<ui::Label> locationHeading_, locationHint_;
    std::unique_ptr<ui::ComboList> location_;
};

class TfrmEditStartup final : public StartupEntryDialog {
public:
    // The entry and its box as the list showed them when "&Edit" was chosen.
    TfrmEditStartup(TfrmStartup& owner, StartupEntry entry, bool ticked);

private:
    void Confirm() override;
    StartupEntry entry_;
    bool ticked_;
};

}  // namespace tw
