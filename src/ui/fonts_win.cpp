#include "ui/fonts_win.h"

#include <map>

#include "platform/win32/handles_win.h"

namespace tw::ui {
namespace {

LOGFONTW BaseFont(int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    LOGFONTW font = metrics.lfMessageFont;
    font.lfHeight = -MulDiv(9, dpi, 72);
    font.lfQuality = CLEARTYPE_QUALITY;
    return font;
}

HFONT Cached(int kind, int dpi, LOGFONTW font) {
    static std::map<std::pair<int, int>, win32::UniqueGdiObject<HFONT>> fonts;
    auto& slot = fonts[{kind, dpi}];
    if (!slot) slot.Reset(CreateFontIndirectW(&font));
    return slot.Get();
}

}  // namespace

HFONT MessageFont(int dpi) { return Cached(0, dpi, BaseFont(dpi)); }

HFONT BoldFont(int dpi) {
    LOGFONTW font = BaseFont(dpi);
    font.lfWeight = FW_BOLD;
    return Cached(1, dpi, font);
}

HFONT UnderlinedFont(int dpi) {
    LOGFONTW font = BaseFont(dpi);
    font.lfUnderline = TRUE;
    return Cached(3, dpi, font);
}

HFONT TitleFont(int dpi) {
    LOGFONTW font = BaseFont(dpi);
    font.lfHeight = -MulDiv(18, dpi, 96);
    font.lfWeight = FW_BOLD;
    return Cached(2, dpi, font);
}

}  // namespace tw::ui
