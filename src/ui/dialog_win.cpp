#include "ui/dialog_win.h"

#include "ui/message_loop_win.h"
#include "ui/wide_win.h"

namespace tw::ui {
namespace {

Dialog::ShowHook& Hook() {
    static Dialog::ShowHook hook;
    return hook;
}

}  // namespace

void Dialog::SetShowHook(ShowHook hook) { Hook() = std::move(hook); }

void Dialog::CreateBox(const wchar_t* className, std::string_view title, int clientWidth, int clientHeight) {
    const int dpi = WindowDpi(nullptr);
    RECT frame{0, 0, Scale(clientWidth, dpi), Scale(clientHeight, dpi)};
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    Create(className, style, exStyle, Wide(title), 0, 0, frame.right - frame.left, frame.bottom - frame.top, nullptr);
}

Panel& Dialog::CreateBoxWithBody(const wchar_t* className, std::string_view title, int clientWidth,
                                 int clientHeight, std::string_view heading, HICON icon) {
    CreateBox(className, title, clientWidth, clientHeight);
    const int dpi = WindowDpi(nullptr);
    body_ = std::make_unique<Panel>(Handle(), clientWidth, clientHeight, heading, icon);
    MoveWindow(body_->Handle(), 0, 0, Scale(clientWidth, dpi), Scale(clientHeight, dpi), FALSE);
    ShowWindow(body_->Handle(), SW_SHOW);
    return *body_;
}

void Dialog::ShowModal(HWND owner) {
    owner_ = owner;
    CentreOver(Handle(), owner);
    SetWindowLongPtrW(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    if (owner) EnableWindow(owner, FALSE);
    ShowWindow(Handle(), SW_SHOW);
    if (firstFocus_)
        firstFocus_->Focus();
    else if (default_)
        default_->Focus();
    if (Hook()) Guarded([&] { Hook()(*this); });
    MSG msg{};
    while (IsShowing() && GetMessageW(&msg, nullptr, 0, 0) > 0) ProcessMessage(msg);
    if (msg.message == WM_QUIT) PostQuitMessage(static_cast<int>(msg.wParam));
}

void Dialog::Dismiss() {
    // The owner comes back before the box goes, so the focus returns to it
    // rather than to another program's window.
    if (owner_) {
        EnableWindow(owner_, TRUE);
        SetActiveWindow(owner_);
    }
    ShowWindow(Handle(), SW_HIDE);
}

bool Dialog::PreviewKey(const MSG& msg) {
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
        Dismiss();
        return true;
    }
    return false;
}

LRESULT Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (RouteCommand(wParam, lParam)) return 0;
            // Enter outside a button: dialog navigation asks for IDOK.
            if (LOWORD(wParam) == IDOK && default_)
                default_->Click();
            else if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
                Dismiss();
            return 0;
        case WM_CLOSE:
            Dismiss();
            return 0;
        case WM_DPICHANGED:
            // Moved over a monitor of another DPI (as when centred over its
            // owner): the body fills the new client area and lays out again.
            if (body_) {
                RECT client;
                GetClientRect(Handle(), &client);
                MoveWindow(body_->Handle(), 0, 0, client.right, client.bottom, TRUE);
            }
            return 0;
        default:
            return Default(message, wParam, lParam);
    }
}

}  // namespace tw::ui
