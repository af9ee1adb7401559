#pragma once
#include <windows.h>

#include <memory>
#include <optional>

#include "drive_cleaner/junk_file_types.h"
#include "services/prompter.h"
#include "ui/dialog_win.h"

namespace tw {

// TfrmAddNew: the Drive Cleaner's box for a new file type, opened from the
// options page. It asks and checks; storing the type is the caller's.
class TfrmAddNew : public ui::Dialog {
public:
    explicit TfrmAddNew(Prompter& prompter);
    // Clears both fields and shows the box modally; the type typed and
    // accepted, or nothing when the box was left.
    std::optional<NewJunkType> Run(HWND owner);
    ui::Edit& Mask() { return *mask_; }
    ui::Edit& Description() { return *description_; }
    ui::Button& AddButton() { return *add_; }
    ui::Button& CancelButton() { return *cancel_; }

private:
    void AddClick();

    Prompter& prompter_;
    std::unique_ptr<ui::Label> maskHeading_, maskHint_, descriptionHeading_, descriptionHint_;
    std::unique_ptr<ui::Edit> mask_, description_;
    std::unique_ptr<ui::Button> cancel_, add_;
    std::optional<NewJunkType> accepted_;
};

}  // namespace tw
