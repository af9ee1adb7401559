#pragma once
#include <windows.h>

#include <array>
#include <functional>
#include <memory>

#include "suite/module_window_win.h"
#include "suite/suite_context.h"
#include "ui/focus_memory_win.h"
#include "ui/picture_button_win.h"
#include "ui/window_win.h"

namespace tw {

// The launcher: a borderless window cut to the shape of its picture, with
// eight tool buttons and About, minimise and close. It is the main window:
// closing it ends the program. It hides while a tool window is open.
class TfrmMain : public ui::Window {
public:
    using ModuleFactory = std::function<std::unique_ptr<ModuleWindow>(Tool, SuiteContext&)>;
    TfrmMain(SuiteContext& context, ModuleFactory factory, std::function<void()> showAbout);
    ~TfrmMain() override;

    void Show();
    // What each tool button does: create the tool's window, show it, bring
    // Panel2 forward only for the exact stored "0", hide the launcher. When
    // the tool window closes, the launcher comes back with the focus on
    // that tool's button.
    void OpenModule(Tool tool);
    ModuleWindow* OpenModuleWindow() const { return module_.get(); }
    ui::PictureButton& ToolButton(Tool tool) { return *toolButtons_[static_cast<std::size_t>(tool)]; }
    ui::PictureButton& AboutButton() { return *about_; }
    ui::PictureButton& MinimizeButton() { return *minimize_; }
    ui::PictureButton& CloseButton() { return *close_; }
    // Client points (pixels) within no button drag the window.
    bool IsDragPoint(POINT client) const;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateButtons();
    void ApplyRegion();
    void Paint();
    void PaintContrastBackground(HDC dc);
    void ReleaseModule();

    SuiteContext& context_;
    ModuleFactory factory_;
    std::function<void()> showAbout_;
    std::array<std::unique_ptr<ui::PictureButton>, kToolCount> toolButtons_;
    std::unique_ptr<ui::PictureButton> about_, minimize_, close_;
    std::unique_ptr<ModuleWindow> module_;
    ui::FocusMemory focus_;
    // The launcher is drawn for the screen's DPI at creation; its layout is
    // in 96-DPI units.
    int dpi_;
};

// The launcher's region rectangles come from this picture; exposed for tests.
HRGN LauncherRegion(HBITMAP picture);

}  // namespace tw
