#include "ui/prompter_win.h"

#include "ui/error_text.h"
#include "ui/wide_win.h"

namespace tw::ui {

void ShowErrorBox(HWND owner, const std::string& text) {
    MessageBoxW(owner, Wide(ErrorReportText(text)).c_str(), Wide(kApplicationTitle).c_str(), MB_OK | MB_ICONERROR);
}

HWND MessageBoxPrompter::Owner() const { return owner_ && IsWindowVisible(owner_) ? owner_ : GetActiveWindow(); }

int MessageBoxPrompter::Show(const std::string& text, const std::string& title, UINT flags) {
    return MessageBoxW(Owner(), Wide(text).c_str(), Wide(title).c_str(), flags);
}

bool MessageBoxPrompter::Confirm(const std::string& text) {
    // Every such question leads to deleting, overwriting or stopping: a stray
    // Enter must not answer it, so Cancel has the focus.
    return Show(text, "Warning", MB_OKCANCEL | MB_ICONWARNING | MB_DEFBUTTON2) == IDOK;
}

void MessageBoxPrompter::Notify(const std::string& text) { Show(text, kApplicationTitle, MB_OK); }

void MessageBoxPrompter::Inform(const std::string& text) { Show(text, "Information", MB_OK | MB_ICONINFORMATION); }

void MessageBoxPrompter::ShowError(const std::string& text) { ShowErrorBox(Owner(), text); }

}  // namespace tw::ui
