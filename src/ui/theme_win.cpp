#include "ui/theme_win.h"

#include "ui/painting_win.h"

namespace tw::ui {
namespace {

std::function<bool()>& ContrastSource() {
    static std::function<bool()> source;
    return source;
}

bool SystemHighContrast() {
    HIGHCONTRASTW contrast{sizeof(contrast), 0, nullptr};
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

Rgb System(int index) {
    const COLORREF c = GetSysColor(index);
    return Rgb{GetRValue(c), GetGValue(c), GetBValue(c)};
}

Palette Read() {
    const bool on = ContrastSource() ? ContrastSource()() : SystemHighContrast();
    if (!on) return Palette{};
    return Palette{SystemColours{System(COLOR_WINDOW), System(COLOR_WINDOWTEXT), System(COLOR_HIGHLIGHT),
                                 System(COLOR_HIGHLIGHTTEXT), System(COLOR_BTNFACE), System(COLOR_GRAYTEXT),
                                 System(COLOR_HOTLIGHT)}};
}

Palette& Current() {
    static Palette palette = Read();
    return palette;
}

}  // namespace

const Palette& CurrentPalette() { return Current(); }

COLORREF InkColour(Ink ink, Rgb product) { return ToColorRef(Current().Pick(ink, product)); }

HBRUSH InkBrush(Ink ink, Rgb product) { return SolidBrush(Current().Pick(ink, product)); }

void ReloadPalette() { Current() = Read(); }

void SetHighContrastSource(std::function<bool()> source) { ContrastSource() = std::move(source); }

bool IsLookChange(UINT message) {
    return message == WM_SYSCOLORCHANGE || message == WM_SETTINGCHANGE || message == WM_THEMECHANGED;
}

void RepaintForNewLook(HWND top) {
    ReloadPalette();
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

}  // namespace tw::ui
