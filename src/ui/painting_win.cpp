#include "ui/painting_win.h"

#include <map>

#include "ui/fonts_win.h"
#include "ui/gradient.h"
#include "ui/theme_win.h"
#include "ui/window_win.h"

namespace tw::ui {

HBRUSH SolidBrush(Rgb color) {
    static std::map<COLORREF, win32::UniqueGdiObject<HBRUSH>> brushes;
    auto& slot = brushes[ToColorRef(color)];
    if (!slot) slot.Reset(CreateSolidBrush(ToColorRef(color)));
    return slot.Get();
}

void FillVerticalBlend(HDC dc, const RECT& rect, Rgb top, Rgb bottom) {
    const int height = rect.bottom - rect.top;
    for (int y = 0; y < height; ++y) {
        const Rgb c = BlendRow(top, bottom, y, height);
        SetDCBrushColor(dc, ToColorRef(c));
        const RECT line{rect.left, rect.top + y, rect.right, rect.top + y + 1};
        FillRect(dc, &line, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    }
}

void PaintTitleBand(HDC dc, const RECT& band, std::wstring_view text, HICON icon, Rgb bottom, int dpi) {
    const Palette& palette = CurrentPalette();
    if (palette.Blends())
        FillVerticalBlend(dc, band, kTitleTop, bottom);
    else
        FillRect(dc, &band, InkBrush(Ink::Band, kTitleTop));
    const int pad = Scale(6, dpi);
    const int iconSize = SmallIconSizeAt(dpi);
    int textLeft = band.left + pad;
    if (icon) {
        const int top = band.top + (band.bottom - band.top - iconSize) / 2;
        DrawIconEx(dc, textLeft, top, icon, iconSize, iconSize, 0, nullptr, DI_NORMAL);
        textLeft += iconSize + pad;
    }
    const HGDIOBJ oldFont = SelectObject(dc, TitleFont(dpi));
    SetBkMode(dc, TRANSPARENT);
    if (palette.Blends()) {
        RECT shadow{textLeft + 1, band.top + 1, band.right, band.bottom + 1};
        SetTextColor(dc, ToColorRef(kTitleShadow));
        DrawTextW(dc, text.data(), static_cast<int>(text.size()), &shadow, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    RECT face{textLeft, band.top, band.right, band.bottom};
    SetTextColor(dc, InkColour(Ink::BandText, Rgb{255, 255, 255}));
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &face, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SelectObject(dc, oldFont);
}

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y, int width, int height) {
    const HDC memory = CreateCompatibleDC(dc);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(dc, x, y, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

BufferedPaint::BufferedPaint(HDC target, const RECT& area) : target_(target), area_(area) {
    memory_ = CreateCompatibleDC(target);
    bitmap_.Reset(
        CreateCompatibleBitmap(target, std::max(1L, area.right - area.left), std::max(1L, area.bottom - area.top)));
    previous_ = SelectObject(memory_, bitmap_.Get());
    SetViewportOrgEx(memory_, -area.left, -area.top, nullptr);
}

BufferedPaint::~BufferedPaint() {
    SetViewportOrgEx(memory_, 0, 0, nullptr);
    BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, memory_, 0, 0, SRCCOPY);
    SelectObject(memory_, previous_);
    DeleteDC(memory_);
}

void DrawLine(HDC dc, HFONT font, COLORREF colour, std::wstring_view text, RECT box, UINT format) {
    const HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &box, DT_SINGLELINE | DT_NOPREFIX | format);
    SelectObject(dc, old);
}

}  // namespace tw::ui
