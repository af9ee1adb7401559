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

enum Kind { kMessage, kBold, kTitle, kUnderlined };

std::map<HFONT, Kind>& KindsMade() {
    static std::map<HFONT, Kind> kinds;
    return kinds;
}

HFONT Cached(Kind kind, int dpi, LOGFONTW font) {
    static std::map<std::pair<int, int>, win32::UniqueGdiObject<HFONT>> fonts;
    auto& slot = fonts[{kind, dpi}];
    if (!slot) {
        slot.Reset(CreateFontIndirectW(&font));
        KindsMade()[slot.Get()] = kind;
    }
    return slot.Get();
}

}  // namespace

HFONT MessageFont(int dpi) { return Cached(kMessage, dpi, BaseFont(dpi)); }

HFONT BoldFont(int dpi) {
    LOGFONTW font = BaseFont(dpi);
    font.lfWeight = FW_BOLD;
    return Cached(kBold, dpi, font);
}

HFONT UnderlinedFont(int dpi) {
    LOGFONTW font = BaseFont(dpi);
    font.lfUnderline = TRUE;
    return Cached(kUnderlined, dpi, font);
}

HFONT TitleFont(int dpi) {
    LOGFONTW font = BaseFont(dpi);
    font.lfHeight = -MulDiv(18, dpi, 96);
    font.lfWeight = FW_BOLD;
    return Cached(kTitle, dpi, font);
}

HFONT SameFontAtDpi(HFONT font, int dpi) {
    const auto it = KindsMade().find(font);
    if (it == KindsMade().end()) return nullptr;
    switch (it->second) {
        case kMessage: return MessageFont(dpi);
        case kBold: return BoldFont(dpi);
        case kTitle: return TitleFont(dpi);
        case kUnderlined: return UnderlinedFont(dpi);
    }
    return nullptr;
}

}  // namespace tw::ui
