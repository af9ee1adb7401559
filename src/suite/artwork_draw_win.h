#pragma once
#include <windows.h>

#include <objidl.h>
// GDI+ needs these before it; NOMINMAX hides the macros it expects.
#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

#include <functional>

#include "platform/win32/handles_win.h"
#include "suite/settings_store.h"

// Drawing pieces shared by the icon and launcher artwork.
namespace tw::art {

Gdiplus::GraphicsPath* NewRoundedRect(Gdiplus::RectF r, float radius);
void FillRoundedRect(Gdiplus::Graphics& g, const Gdiplus::Brush& brush, Gdiplus::RectF r, float radius);
void DrawRoundedRect(Gdiplus::Graphics& g, const Gdiplus::Pen& pen, Gdiplus::RectF r, float radius);

// The tool's badge: a rounded square in the tool's colours with its glyph.
void DrawToolBadge(Gdiplus::Graphics& g, Tool tool, Gdiplus::RectF box);
// The same badge with another white glyph on it, drawn into the box given.
void DrawBadge(Gdiplus::Graphics& g, Tool tool, Gdiplus::RectF box,
               const std::function<void(Gdiplus::Graphics&, Gdiplus::RectF glyph)>& glyph);
// The glyph alone, in the given colour, inside a square box.
void DrawToolGlyph(Gdiplus::Graphics& g, Tool tool, Gdiplus::RectF box, Gdiplus::Color color);

// The program's own mark: a wave over a well, in the product's blues.
void DrawProgramMark(Gdiplus::Graphics& g, Gdiplus::RectF box);

// A font family that exists on this machine: the first of Segoe UI, Tahoma,
// Arial, DejaVu Sans, else any installed family; nullptr when there is none.
const Gdiplus::FontFamily* UiFamily();
void DrawText(Gdiplus::Graphics& g, const wchar_t* text, float size, int style, Gdiplus::Color color, Gdiplus::RectF box,
              Gdiplus::StringAlignment align = Gdiplus::StringAlignmentNear);

HICON ToIcon(Gdiplus::Bitmap& bitmap);

// Every icon the program draws: a size x size anti-aliased picture on a
// clear background, drawn into the box it is given.
using IconDrawing = std::function<void(Gdiplus::Graphics&, Gdiplus::RectF)>;
win32::UniqueIcon RenderIcon(int size, const IconDrawing& draw);
// The same, drawn once per key and size and kept for the run.
HICON KeptIcon(int key, int size, const IconDrawing& draw);

}  // namespace tw::art
