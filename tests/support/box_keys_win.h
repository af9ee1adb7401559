#pragma once
#include <windows.h>

namespace tw {

// Answers the real modal boxes of this thread as a user at the keyboard
// would: each box that shows gets one key press at its focused control,
// delivered by the box's own message loop. One at a time per thread.
class BoxKeys {
public:
    explicit BoxKeys(WPARAM key) {
        key_ = key;
        answered_ = 0;
        lastBox_ = nullptr;
        timer_ = SetTimer(nullptr, 0, 20, &Tick);
    }
    ~BoxKeys() { KillTimer(nullptr, timer_); }
    BoxKeys(const BoxKeys&) = delete;
    BoxKeys& operator=(const BoxKeys&) = delete;

    int Answered() const { return answered_; }

private:
    static BOOL CALLBACK FindBox(HWND window, LPARAM found) {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (!IsWindowVisible(window) || lstrcmpW(name, L"#32770") != 0) return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        HWND box = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &FindBox, reinterpret_cast<LPARAM>(&box));
        if (!box || box == lastBox_) return;
        lastBox_ = box;
        const HWND focus = GetFocus();
        PostMessageW(focus && IsChild(box, focus) ? focus : box, WM_KEYDOWN, key_, 0);
        ++answered_;
    }

    static inline WPARAM key_ = 0;
    static inline int answered_ = 0;
    static inline HWND lastBox_ = nullptr;
    UINT_PTR timer_ = 0;
};

}  // namespace tw
