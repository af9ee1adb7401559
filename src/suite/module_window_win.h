#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "suite/suite_context.h"
#include "suite/tool_catalog.h"
#include "ui/controls_win.h"
#include "ui/focus_memory_win.h"
#include "ui/panel_win.h"
#include "ui/picture_win.h"
#include "ui/splitter_bar_win.h"
#include "ui/task_pane_win.h"
#include "ui/window_progress_win.h"
#include "ui/window_win.h"

namespace tw {

class BusyScope;

// The frame every tool window shares: title "Quorvex Tidewell", the task
// pane, the splitter, the stack of pages with the intro page as Panel1, Esc
// and "Main Menu" closing, and the close sequence that stores the intro flag
// and brings the launcher back.
class ModuleWindow : public ui::Window {
public:
    ModuleWindow(Tool tool, SuiteContext& context);
    ~ModuleWindow() override;

    Tool GetTool() const { return frame_.tool; }
    // Pages are numbered as their panels: 1 is the intro page. A focus on
    // the page that goes moves to the new page's first control.
    void BringToFront(int page);
    int FrontPage() const { return front_; }
    ui::Panel* Page(int page);
    // The description label of a working page, or nullptr.
    ui::Label* PageDescription(int page);
    bool IntroBoxTicked() const { return introBox_->Checked(); }
    void SetIntroBoxTicked(bool ticked) { introBox_->SetChecked(ticked); }
    ui::TaskPane& Tasks() { return *tasks_; }
    // The same path as the close box.
    void Close() { SendMessageW(Handle(), WM_CLOSE, 0, 0); }
    // Opens a help topic such as "registry2" over this window.
    void ShowHelp(std::string_view topic);
    // While a BusyScope lasts: what its run may ask of the window.
    bool Busy() const { return runs_ > 0; }
    RunProgress& Progress() { return progress_; }
    // A run's own Stop button: the run notices it at its next check.
    void RequestStop() { progress_.RequestStop(); }
    SuiteContext& Context() { return context_; }

    // Adds a working page (2, 3, ...) titled as given; call it from the
    // tool's constructor, before Open.
    ui::Panel& AddPage(int page, std::string_view title);
    // The same with the page's description under the title band, as every
    // working page has; the text ends at descriptionBottom (96-DPI units).
    ui::Panel& AddPage(int page, std::string_view title, std::string_view description, int descriptionBottom);
    // The one step between building a tool window and its first paint: lays
    // out every page the constructor added for the window's real size,
    // brings `page` forward and shows the window, which takes the focus.
    void Open(int page);
    // The button Enter presses while the page is in front (unless a button
    // has the focus).
    void SetDefaultButton(int page, ui::Button& button) { defaultButtons_[page] = &button; }

    // Runs after the close handler has stored everything: the launcher shows
    // itself and releases this window.
    std::function<void()> onClosed;

    bool PreviewKey(const MSG& msg) override;

    // For a page the tool shares with others: runs with the tool's own
    // OnDpiChanged, for the page's image lists and pictures.
    void FollowDpi(std::function<void(int dpi)> redraw) { dpiFollowers_.push_back(std::move(redraw)); }

protected:
    // The tool's part of creation and closing.
    virtual void SaveSettings() {}
    virtual void BeforeLauncherShown() {}
    // A task-pane item that brings a page forward; a tool may pick another.
    virtual void ShowTaskPage(int page) { BringToFront(page); }
    // After the frame has made its fonts and pictures for a new DPI: the
    // tool's own image lists and pictures.
    virtual void OnDpiChanged(int /*dpi*/) {}

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend class BusyScope;
    void BuildIntroPage();
    void LayoutChildren();
    void RedrawPictures(int dpi);
    void OnClose();
    void HoldClose();

    SuiteContext& context_;
    const ToolFrame& frame_;
    std::unique_ptr<ui::TaskPane> tasks_;
    std::unique_ptr<ui::SplitterBar> splitter_;
    std::map<int, std::unique_ptr<ui::Panel>> pages_;
    std::unique_ptr<ui::Label> introText_;
    std::vector<std::function<void(int)>> dpiFollowers_;
    std::unique_ptr<ui::Picture> introPicture_;
    std::unique_ptr<ui::CheckBox> introBox_;
    std::map<int, std::unique_ptr<ui::Label>> descriptions_;
    int columnWidth96_ = 185;
    std::map<int, ui::Button*> defaultButtons_;
    int front_ = 0;
    ui::FocusMemory focus_;
    bool closing_ = false;
    ui::WindowProgress progress_;
    int runs_ = 0;
    bool closeHeld_ = false;
    std::string stopQuestion_;
};

}  // namespace tw
