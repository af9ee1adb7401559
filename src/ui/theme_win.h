#pragma once
#include <windows.h>

#include <functional>

#include "ui/palette.h"

namespace tw::ui {

// The palette every painter asks: read from the system at first use and
// again whenever the user changes colours, contrast or theme.
const Palette& CurrentPalette();
COLORREF InkColour(Ink ink, Rgb product);
HBRUSH InkBrush(Ink ink, Rgb product);

// Re-reads the contrast switch and the system colours.
void ReloadPalette();
// Where the contrast switch is read: SPI_GETHIGHCONTRAST unless replaced
// (an empty function restores it). Read at the next reload, as a switch of
// the system's own is read when its broadcast arrives.
void SetHighContrastSource(std::function<bool()> source);

// The broadcasts that announce new colours, a contrast switch or a theme.
bool IsLookChange(UINT message);
// Re-reads the palette and repaints a top-level window with all its
// children at once.
void RepaintForNewLook(HWND top);

}  // namespace tw::ui
