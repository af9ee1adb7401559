#pragma once
#include <windows.h>

#include <string_view>

#include "platform/win32/handles_win.h"
#include "ui/color.h"

namespace tw::ui {

inline COLORREF ToColorRef(Rgb c) { return RGB(c.r, c.g, c.b); }

// A brush of one of the palette's colours, kept for the run.
HBRUSH SolidBrush(Rgb color);

// Fills a rectangle with a top-down blend, one line at a time.
void FillVerticalBlend(HDC dc, const RECT& rect, Rgb top, Rgb bottom);

// The title band of pages and the About box: 30 high (at 96 DPI), a blend
// from (126,167,228) to the given bottom colour, white text 18 pixels high
// with a one-pixel shadow, and an icon at its left.
void PaintTitleBand(HDC dc, const RECT& band, std::wstring_view text, HICON icon, Rgb bottom, int dpi);
inline constexpr int kTitleBandHeight = 30;

// Copies a whole bitmap (or its top-left width x height) to a DC.
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y, int width, int height);

// One line of text in a font and colour on what is already painted;
// `format` adds to DT_SINGLELINE | DT_NOPREFIX. The DC's font is given back.
void DrawLine(HDC dc, HFONT font, COLORREF colour, std::wstring_view text, RECT box, UINT format);

// Paints into a memory bitmap and copies it in one go, so nothing flickers.
class BufferedPaint {
public:
    BufferedPaint(HDC target, const RECT& area);
    ~BufferedPaint();
    BufferedPaint(const BufferedPaint&) = delete;
    BufferedPaint& operator=(const BufferedPaint&) = delete;
    HDC Dc() const { return memory_; }

private:
    HDC target_;
    RECT area_;
    HDC memory_;
    win32::UniqueGdiObject<HBITMAP> bitmap_;
    HGDIOBJ previous_;
};

}  // namespace tw::ui
