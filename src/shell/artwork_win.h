#pragma once
#include <windows.h>

#include "shell/settings_store.h"

namespace tw {

// The program's pictures, drawn by code at start-up (GDI+, anti-aliased)
// rather than shipped as files: they stay sharp at any size and the
// repository holds their source, not binaries. Every handle is created once
// and kept for the run; callers never free them.

enum class TaskIcon { Information, MainMenu, Tool };

HICON ProgramIcon(int size);
HICON ToolPicture(Tool tool);                       // 128 x 128, for intro pages
HICON ToolIcon(Tool tool, int size);
HICON TaskItemIcon(TaskIcon kind, Tool tool);       // 16 x 16

// The launcher: a 705 x 497 background whose top-left pixel is the key
// colour outside the visible shape, and three faces per button (normal,
// hot, pressed) drawn over the background they cover.
inline constexpr int kLauncherArtWidth = 705;
inline constexpr int kLauncherArtHeight = 497;
enum class ButtonFace { Normal, Hot, Pressed };
enum class LauncherGlyph { About, Minimize, Close };

HBITMAP LauncherBackground();
HBITMAP ToolButtonFace(Tool tool, RECT bounds, ButtonFace face);
HBITMAP GlyphButtonFace(LauncherGlyph glyph, RECT bounds, ButtonFace face);

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
