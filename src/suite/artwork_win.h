#pragma once
#include <windows.h>

#include "suite/settings_store.h"

namespace tw {

// The program's pictures, drawn by code at start-up (GDI+, anti-aliased)
// rather than shipped as files: they stay sharp at any size and the
// repository holds their source, not binaries. Every handle is created once
// and kept for the run; callers never free them.

enum class TaskIcon { Information, MainMenu, Tool };

HICON ProgramIcon(int size);
HICON ToolPicture(Tool tool, int size = 128);       // for intro pages
HICON ToolIcon(Tool tool, int size);
HICON TaskItemIcon(TaskIcon kind, Tool tool, int size = 16);

// The launcher: a 705 x 497 background (in 96-DPI units, drawn at the given
// DPI) whose top-left pixel is the key colour outside the visible shape, and
// three faces per button (normal, hot, pressed) drawn over the background
// they cover. Button bounds are given in 96-DPI units.
inline constexpr int kLauncherArtWidth = 705;
inline constexpr int kLauncherArtHeight = 497;
enum class ButtonFace { Normal, Hot, Pressed };
enum class LauncherGlyph { About, Minimize, Close };

SIZE LauncherArtSize(int dpi);
RECT ScaleLauncherRect(RECT design, int dpi);
HBITMAP LauncherBackground(int dpi);
HBITMAP ToolButtonFace(Tool tool, RECT bounds, ButtonFace face, int dpi);
// The line under a tool button's name: what the tool does.
const wchar_t* ToolSubtitle(Tool tool);
HBITMAP GlyphButtonFace(LauncherGlyph glyph, RECT bounds, ButtonFace face, int dpi);

// GDI+ must be running while any of the above is first drawn.
class ArtworkSession {
public:
    ArtworkSession();
    ~ArtworkSession();
    ArtworkSession(const ArtworkSession&) = delete;
    ArtworkSession& operator=(const ArtworkSession&) = delete;

private:
    ULONG_PTR token_ = 0;
};

}  // namespace tw
