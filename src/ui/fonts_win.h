#pragma once
#include <windows.h>

namespace tw::ui {

// The system's message font at a DPI, created once per DPI and kept for
// the run (fonts are shared by every window).
HFONT MessageFont(int dpi);
HFONT BoldFont(int dpi);
// The message font underlined, for links and hot task items.
HFONT UnderlinedFont(int dpi);
// A font whose character cell is the given pixel height at 96 DPI.
HFONT TitleFont(int dpi);
// The same kind of font as one of the above, made for another DPI; null
// for a font that is not one of ours.
HFONT SameFontAtDpi(HFONT font, int dpi);

}  // namespace tw::ui
