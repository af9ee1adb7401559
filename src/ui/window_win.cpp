#include <stdexcept>

#include "ui/window_win.h"

#include "ui/dpi_change_win.h"
#include "ui/popup_menu_win.h"
#include "ui/theme_win.h"

#include <set>

namespace tw::ui {
namespace {

std::function<void(const std::string&)>& ErrorHandler() {
    static std::function<void(const std::string&)> handler;
    return handler;
}

}  // namespace

void SetErrorHandler(std::function<void(const std::string&)> handler) { ErrorHandler() = std::move(handler); }

void ReportError(const std::string& text) {
    if (ErrorHandler()) {
        try {
            ErrorHandler()(text);
        } catch (...) {
        }
    }
}

Window::~Window() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

Window* Window::FromHandle(HWND hwnd) {
    return hwnd ? reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)) : nullptr;
}

Window* Window::FromAnyHandle(HWND hwnd) {
    if (!hwnd || reinterpret_cast<WNDPROC>(GetClassLongPtrW(hwnd, GCLP_WNDPROC)) != &Procedure) return nullptr;
    return FromHandle(hwnd);
}

void Window::Create(const wchar_t* className, DWORD style, DWORD exStyle, const std::wstring& title, int x, int y,
                    int width, int height, HWND parent, UINT classStyle, HBRUSH background, HCURSOR cursor) {
    static std::set<std::wstring> registered;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!registered.count(className)) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.style = classStyle;
        wc.lpfnWndProc = &Window::Procedure;
        wc.hInstance = instance;
        wc.hCursor = cursor ? cursor : LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = background;
        wc.lpszClassName = className;
        wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
        if (!RegisterClassExW(&wc)) throw std::runtime_error("Cannot register a window class");
        registered.insert(className);
    }
    CreateWindowExW(exStyle, className, title.c_str(), style, x, y, width, height, parent, nullptr, instance, this);
    if (!hwnd_) throw std::runtime_error("Cannot create a window");
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) { return Default(message, wParam, lParam); }

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    Window* self = FromHandle(hwnd);
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if ((message == WM_MEASUREITEM || message == WM_DRAWITEM) && DrawMenuPicture(message, lParam)) return TRUE;
    LRESULT result = 0;
    bool handled = false;
    Guarded([&] {
        // Only top-level windows hear of new colours and DPIs; they bring
        // their children along before their own handler runs.
        const bool topLevel = !(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD);
        if (IsLookChange(message) && topLevel) RepaintForNewLook(hwnd);
        if (message == WM_DPICHANGED && topLevel) ApplyDpiChange(hwnd, wParam, *reinterpret_cast<const RECT*>(lParam));
        result = self->HandleMessage(message, wParam, lParam);
        handled = true;
    });
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return handled ? result : DefWindowProcW(hwnd, message, wParam, lParam);
}

void CentreOver(HWND window, HWND owner) {
    RECT ownerRect{}, self{};
    if (owner)
        GetWindowRect(owner, &ownerRect);
    else
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &ownerRect, 0);
    GetWindowRect(window, &self);
    const int w = self.right - self.left, h = self.bottom - self.top;
    SetWindowPos(window, HWND_TOP, ownerRect.left + (ownerRect.right - ownerRect.left - w) / 2,
                 ownerRect.top + (ownerRect.bottom - ownerRect.top - h) / 2, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

int WindowDpi(HWND hwnd) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpi = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (const int recorded = RecordedDpi(hwnd)) return recorded;
    if (getDpi && hwnd) {
        if (const UINT dpi = getDpi(hwnd)) return static_cast<int>(dpi);
    }
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

std::wstring WindowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace tw::ui
