#include "suite/module_window_win.h"

#include "platform/error.h"
#include "platform/win32/owner_window_win.h"
#include "suite/artwork_win.h"
#include "ui/error_text.h"
#include "ui/wide_win.h"

namespace tw {
namespace {

constexpr int kSplitterWidth = 4;
constexpr int kColumnMinimum = 150;
constexpr int kColumnMaximum = 280;
// Page design size: the frame's client area right of the default column.
constexpr int kPageDesignWidth = 590;
constexpr int kPageDesignHeight = 540;

// Icons are drawn at the size they are shown, not stretched from 16 pixels.
std::vector<ui::TaskPaneItem> TaskItems(const ToolFrame& frame, int dpi) {
    std::vector<ui::TaskPaneItem> items;
    for (const auto& item : frame.items) {
        const auto kind = item.page == 1 ? TaskIcon::Information : item.page == 0 ? TaskIcon::MainMenu : TaskIcon::Tool;
        items.push_back({ui::Wide(item.caption), TaskItemIcon(kind, frame.tool, ui::SmallIconSizeAt(dpi))});
    }
    return items;
}

// Enter presses the page's default button unless the focused control takes
// Enter itself: a button (dialog navigation presses that one), a task-pane
// link (it follows the link), an open drop-down list.
bool FocusTakesEnter(const MSG& msg) {
    const HWND focus = GetFocus();
    wchar_t className[16] = {};
    GetClassNameW(focus, className, 16);
    if (lstrcmpiW(className, L"Button") == 0) return true;
    MSG asked = msg;
    const LRESULT code = SendMessageW(focus, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&asked));
    return (code & (DLGC_WANTMESSAGE | DLGC_WANTALLKEYS)) != 0;
}

}  // namespace

ModuleWindow::ModuleWindow(Tool tool, SuiteContext& context) : context_(context), frame_(FrameOf(tool)) {
    const int dpi = ui::WindowDpi(nullptr);
    const int width = ui::Scale(frame_.width, dpi), height = ui::Scale(frame_.height, dpi);
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    Create(ui::Wide(frame_.className).c_str(), WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CLIPCHILDREN,
           WS_EX_CONTROLPARENT, ui::Wide(kProductName), work.left + (work.right - work.left - width) / 2,
           work.top + (work.bottom - work.top - height) / 2, width, height, nullptr, CS_HREDRAW | CS_VREDRAW,
           ui::SolidBrush(ui::kPageBackground));
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon(32)));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramIcon(16)));

    tasks_ = std::make_unique<ui::TaskPane>(Handle(), TaskItems(frame_, ui::WindowDpi(Handle())));
    tasks_->onItemClick = [this](int index) {
        const int page = frame_.items.at(static_cast<std::size_t>(index)).page;
        if (page == 0) {
            Close();
        } else {
            ShowTaskPage(page);
            if (Page(front_)) ui::FocusFirstControl(Page(front_)->Handle());
        }
    };
    splitter_ = std::make_unique<ui::SplitterBar>(Handle(), kColumnMinimum, kColumnMaximum);
    splitter_->onMoved = [this](int width96) {
        columnWidth96_ = width96;
        LayoutChildren();
    };
    BuildIntroPage();
    // The intro box shows the stored flag from the start; Open picks the page.
    SetIntroBoxTicked(context_.settings.SkipIntro(tool));
    BringToFront(1);
}

ModuleWindow::~ModuleWindow() = default;

ui::Panel& ModuleWindow::AddPage(int page, std::string_view title) {
    auto panel = std::make_unique<ui::Panel>(Handle(), kPageDesignWidth, kPageDesignHeight, title,
                                             TaskItemIcon(page == 1 ? TaskIcon::Information : TaskIcon::Tool, frame_.tool,
                                                          ui::SmallIconSize(Handle())));
    auto& slot = pages_[page];
    slot = std::move(panel);
    ShowWindow(slot->Handle(), page == front_ ? SW_SHOW : SW_HIDE);
    return *slot;
}

ui::Panel& ModuleWindow::AddPage(int page, std::string_view title, std::string_view description,
                                 int descriptionBottom) {
    descriptions_.erase(page);
    ui::Panel& panel = AddPage(page, title);
    descriptions_[page] =
        ui::Make<ui::Label>(panel.At(16, 42, 574, descriptionBottom, ui::kAnchorTopStretch), {.text = description});
    return panel;
}

ui::Label* ModuleWindow::PageDescription(int page) {
    const auto it = descriptions_.find(page);
    return it == descriptions_.end() ? nullptr : it->second.get();
}

void ModuleWindow::BuildIntroPage() {
    auto& intro = AddPage(1, IntroTitle(frame_.tool));
    introText_ = ui::Make<ui::Label>(intro.At(16, 46, 400, 470, ui::kAnchorFill), {.text = IntroText(frame_.tool)});
    introPicture_ = ui::Make<ui::Picture>(
        intro.At(420, 46, 574, 200, {false, true, true, false}),
        {.icon = ToolPicture(frame_.tool, ui::Scale(128, ui::WindowDpi(Handle()))), .iconSize96 = 128});
    introBox_ = ui::Make<ui::CheckBox>(intro.At(16, 500, 320, 522, ui::kAnchorBottomLeft),
                                       {.caption = "Do not show this screen initially"});
}

ui::Panel* ModuleWindow::Page(int page) {
    const auto it = pages_.find(page);
    return it == pages_.end() ? nullptr : it->second.get();
}

void ModuleWindow::BringToFront(int page) {
    ui::Panel* target = Page(page);
    if (!target) return;
    const ui::Panel* before = Page(front_);
    const bool focusOnPage = before && IsChild(before->Handle(), GetFocus());
    for (auto& [number, panel] : pages_) ShowWindow(panel->Handle(), number == page ? SW_SHOW : SW_HIDE);
    front_ = page;
    if (focusOnPage && !IsChild(target->Handle(), GetFocus())) ui::FocusFirstControl(target->Handle());
}

void ModuleWindow::Open(int page) {
    LayoutChildren();
    BringToFront(page);
    ShowWindow(Handle(), SW_SHOW);
}

void ModuleWindow::LayoutChildren() {
    RECT client;
    GetClientRect(Handle(), &client);
    const int dpi = ui::WindowDpi(Handle());
    const int column = ui::Scale(columnWidth96_, dpi), bar = ui::Scale(kSplitterWidth, dpi);
    MoveWindow(tasks_->Handle(), 0, 0, column, client.bottom, TRUE);
    MoveWindow(splitter_->Handle(), column, 0, bar, client.bottom, TRUE);
    // A page whose size did not change gets no WM_SIZE, yet controls added
    // after it was placed still stand where they were created, at their
    // design position: every page is laid out for its real size here.
    for (auto& [number, panel] : pages_) {
        MoveWindow(panel->Handle(), column + bar, 0, std::max(0L, client.right - column - bar), client.bottom, TRUE);
        panel->Relayout();
    }
}

// Pictures are drawn for the size they are shown at: a change of DPI makes
// them again rather than stretching the old ones.
void ModuleWindow::RedrawPictures(int dpi) {
    std::vector<HICON> icons;
    for (const auto& item : TaskItems(frame_, dpi)) icons.push_back(item.icon);
    tasks_->SetItemIcons(icons);
    for (auto& [number, panel] : pages_)
        panel->SetIcon(TaskItemIcon(number == 1 ? TaskIcon::Information : TaskIcon::Tool, frame_.tool, ui::SmallIconSizeAt(dpi)));
    introPicture_->SetIcon(ToolPicture(frame_.tool, ui::Scale(128, dpi)));
}

bool ModuleWindow::PreviewKey(const MSG& msg) {
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
        Close();
        return true;
    }
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN) {
        const auto button = defaultButtons_.find(front_);
        if (button != defaultButtons_.end() && !FocusTakesEnter(msg)) {
            button->second->Click();
            return true;
        }
    }
    return false;
}

void ModuleWindow::OnClose() {
    if (closing_) return;
    closing_ = true;
    // Settings that cannot be stored (no administrative rights) are reported
    // once; the window still closes and the launcher returns.
    bool reported = false;
    auto attempt = [&](auto&& step) {
        try {
            step();
        } catch (const std::exception& e) {
            if (!reported) context_.prompter.ShowError(e.what());
            reported = true;
        } catch (...) {
            if (!reported) context_.prompter.ShowError("Unexpected error");
            reported = true;
        }
    };
    attempt([&] { SaveSettings(); });
    attempt([&] { context_.settings.SetSkipIntro(frame_.tool, IntroBoxTicked()); });
    attempt([&] { BeforeLauncherShown(); });
    ShowWindow(Handle(), SW_HIDE);
    if (onClosed) onClosed();
}

// A close during a run would release the window under the run's feet: it
// waits for the run's end, or asks first where the run can stop early.
void ModuleWindow::HoldClose() {
    if (closeHeld_) return;
    if (!stopQuestion_.empty()) {
        if (!context_.prompter.Confirm(stopQuestion_)) return;
        progress_.RequestStop();
    }
    closeHeld_ = true;
}

void ModuleWindow::ShowHelp(std::string_view topic) {
    if (context_.showHelp) context_.showHelp(win32::OwnerOf(Handle()), topic);
}

LRESULT ModuleWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            LayoutChildren();
            return 0;
        case WM_GETMINMAXINFO: {
            const int dpi = ui::WindowDpi(Handle());
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize = {ui::Scale(frame_.width, dpi), ui::Scale(frame_.height, dpi)};
            return 0;
        }
        case WM_DPICHANGED:
            RedrawPictures(HIWORD(wParam));
            LayoutChildren();
            OnDpiChanged(HIWORD(wParam));
            for (const auto& redraw : dpiFollowers_) redraw(HIWORD(wParam));
            return 0;
        case WM_COMMAND:
            if (ui::RouteCommand(wParam, lParam)) return 0;
            if (LOWORD(wParam) == IDCANCEL) {
                Close();
                return 0;
            }
            return Default(message, wParam, lParam);
        case WM_ACTIVATE:
            if (focus_.OnActivate(Handle(), wParam)) return 0;
            return Default(message, wParam, lParam);
        case WM_SETFOCUS:
            // Nothing remembered yet (the first showing): the front page's first control.
            if (!focus_.Restore(Handle()) && Page(front_)) ui::FocusFirstControl(Page(front_)->Handle());
            return 0;
        case WM_CLOSE:
            if (Busy())
                HoldClose();
            else
                OnClose();
            return 0;
        default:
            return Default(message, wParam, lParam);
    }
}

}  // namespace tw
