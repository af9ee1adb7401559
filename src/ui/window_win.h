#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace tw::ui {

// Where every exception that reaches a window procedure goes: the
// application's general error handler. No exception crosses a window
// procedure.
void SetErrorHandler(std::function<void(const std::string&)> handler);
void ReportError(const std::string& text);

// Runs a handler, sending what it throws to the error handler.
template <typename F>
void Guarded(F&& handler) noexcept {
    try {
        handler();
    } catch (const std::exception& e) {
        ReportError(e.what());
    } catch (...) {
        ReportError("Unexpected error");
    }
}

// Owns one HWND. The static procedure stores `this` at WM_NCCREATE and
// forwards every message to HandleMessage.
class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return hwnd_; }
    static Window* FromHandle(HWND hwnd);
    // The same for any window at all: null unless it is one of ours (a
    // system control's user data may hold anything).
    static Window* FromAnyHandle(HWND hwnd);

    // Sees keys before the focused control does (the message loop asks the
    // windows of ours that hold the focus, innermost first, up to the
    // top-level one). True when the key was consumed.
    virtual bool PreviewKey(const MSG&) { return false; }

protected:
    // Registers the class once per process and creates the window.
    void Create(const wchar_t* className, DWORD style, DWORD exStyle, const std::wstring& title, int x, int y,
                int width, int height, HWND parent, UINT classStyle = CS_HREDRAW | CS_VREDRAW,
                HBRUSH background = nullptr, HCURSOR cursor = nullptr);
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    HWND hwnd_ = nullptr;
};

// Asks for WM_MOUSELEAVE once per entry of the pointer; `tracking` remembers
// that it was asked and is cleared by the owner on WM_MOUSELEAVE.
inline void TrackMouseLeave(HWND hwnd, bool& tracking) {
    if (tracking) return;
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 0};
    tracking = TrackMouseEvent(&track) != FALSE;
}

// Places a top-level window centred over its owner, or over the work area
// when there is none.
void CentreOver(HWND window, HWND owner);

// The dots-per-inch of a window (96 on a plain screen), for scaling the
// 96-DPI layout units.
int WindowDpi(HWND hwnd);
// A window's whole text, as GetWindowTextW gives it.
std::wstring WindowText(HWND hwnd);
inline int Scale(int value96, int dpi) { return MulDiv(value96, dpi, 96); }
// The side of a list's small icons at a window's DPI, the size the row
// view lays them out at.
inline int SmallIconSize(HWND hwnd) { return Scale(16, WindowDpi(hwnd)); }

}  // namespace tw::ui
