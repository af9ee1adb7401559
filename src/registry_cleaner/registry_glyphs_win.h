#pragma once
#include <cstddef>

#include "suite/artwork_draw_win.h"

namespace tw {

// The white line drawing of a scan category inside a square box, in the
// style of the tools' badge glyphs.
void DrawCategoryGlyph(Gdiplus::Graphics& g, std::size_t category, Gdiplus::RectF box, Gdiplus::Color color);

}  // namespace tw
