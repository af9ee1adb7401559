#pragma once
#include <windows.h>

#include "platform/pickers.h"

namespace tw::ui {

// The common file-open dialog and the shell's folder browser.
class DialogPickers final : public Pickers {
public:
    explicit DialogPickers(HWND owner = nullptr) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }
    std::optional<std::string> OpenFile(const std::string& title, const std::vector<FileFilter>& filters) override;
    std::vector<std::string> OpenFiles(const std::string& title, const std::vector<FileFilter>& filters) override;
    std::optional<std::string> BrowseFolder(const std::string& title) override;

private:
    std::vector<std::string> Run(const std::string& title, const std::vector<FileFilter>& filters, bool many);
    HWND Owner() const;
    HWND owner_;
};

}  // namespace tw::ui
