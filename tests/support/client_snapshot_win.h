#pragma once
#include <windows.h>

namespace tw {

// A control's client area as it paints (WM_PRINTCLIENT into a bitmap of the
// screen's format), for reading pixels; a control that leaves its
// background to its parent is printed over the stock brush given.
class ClientSnapshot {
public:
    explicit ClientSnapshot(HWND control, int under = -1) {
        GetClientRect(control, &size_);
        const HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, size_.right, size_.bottom);
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(dc_, bitmap_);
        if (under >= 0) FillRect(dc_, &size_, static_cast<HBRUSH>(GetStockObject(under)));
        SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
    }
    ~ClientSnapshot() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    ClientSnapshot(const ClientSnapshot&) = delete;
    ClientSnapshot& operator=(const ClientSnapshot&) = delete;

    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
    int Width() const { return size_.right; }
    int Height() const { return size_.bottom; }
    int Count(COLORREF colour) const {
        int found = 0;
        for (int y = 0; y < Height(); ++y)
            for (int x = 0; x < Width(); ++x) found += At(x, y) == colour;
        return found;
    }
    int Differences(const ClientSnapshot& other) const {
        int found = 0;
        for (int y = 0; y < Height(); ++y)
            for (int x = 0; x < Width(); ++x) found += At(x, y) != other.At(x, y);
        return found;
    }

private:
    RECT size_{};
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

}  // namespace tw
