#pragma once
#include <windows.h>

#include <string>

#include "services/prompter.h"

namespace tw::ui {

// The application's error box: its title, the error icon, and the text as
// the general error handler words it. The one place it is drawn.
void ShowErrorBox(HWND owner, const std::string& text);

// Questions and notices as message boxes owned by one window.
class MessageBoxPrompter final : public Prompter {
public:
    explicit MessageBoxPrompter(HWND owner = nullptr) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }
    bool Confirm(const std::string& text) override;
    void Notify(const std::string& text) override;
    void Inform(const std::string& text) override;
    void ShowError(const std::string& text) override;

private:
    HWND Owner() const;
    int Show(const std::string& text, const std::string& title, UINT flags);
    HWND owner_;
};

}  // namespace tw::ui
