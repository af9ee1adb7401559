#include "suite/artwork_win.h"

#include <map>

#include "suite/artwork_draw_win.h"

using namespace Gdiplus;

namespace tw {
namespace {

// Icons live for the run: the map owns them, keyed by what they show.
std::map<std::pair<int, int>, win32::UniqueIcon>& IconCache() {
    static std::map<std::pair<int, int>, win32::UniqueIcon> cache;
    return cache;
}

constexpr int kProgramKey = 100;
constexpr int kInformationKey = 101;
constexpr int kMainMenuKey = 102;

}  // namespace

HICON art::KeptIcon(int key, int size, const IconDrawing& draw) {
    auto& slot = IconCache()[{key, size}];
    if (!slot) slot = RenderIcon(size, draw);
    return slot.Get();
}

ArtworkSession::ArtworkSession() {
    GdiplusStartupInput input;
    GdiplusStartup(&token_, &input, nullptr);
}

ArtworkSession::~ArtworkSession() {
    IconCache().clear();
    GdiplusShutdown(token_);
}

HICON ProgramIcon(int size) { return art::KeptIcon(kProgramKey, size, art::DrawProgramMark); }

HICON ToolIcon(Tool tool, int size) {
    return art::KeptIcon(static_cast<int>(tool), size, [tool](Graphics& g, RectF box) { art::DrawToolBadge(g, tool, box); });
}

HICON ToolPicture(Tool tool, int size) { return ToolIcon(tool, size); }

HICON TaskItemIcon(TaskIcon kind, Tool tool, int size) {
    // The small glyphs are laid out on a 16-unit grid and drawn at any size.
    switch (kind) {
        case TaskIcon::Information:
            return art::KeptIcon(kInformationKey, size, [](Graphics& g, RectF b) {
                g.ScaleTransform(b.Width / 16, b.Height / 16);
                SolidBrush blue(Color(255, 40, 100, 200));
                g.FillEllipse(&blue, 0.5f, 0.5f, 15.0f, 15.0f);
                SolidBrush white(Color(255, 255, 255, 255));
                g.FillEllipse(&white, RectF(7, 3, 2.2f, 2.2f));
                g.FillRectangle(&white, RectF(7, 6.5f, 2.2f, 6.5f));
            });
        case TaskIcon::MainMenu:
            return art::KeptIcon(kMainMenuKey, size, [](Graphics& g, RectF b) {
                g.ScaleTransform(b.Width / 16, b.Height / 16);
                Pen pen(Color(255, 40, 100, 200), 2.0f);
                pen.SetLineJoin(LineJoinRound);
                const PointF roof[] = {PointF(2, 8), PointF(8, 2.5f), PointF(14, 8)};
                g.DrawLines(&pen, roof, 3);
                g.DrawRectangle(&pen, RectF(4.5f, 8, 7, 6));
            });
        case TaskIcon::Tool:
            break;
    }
    return ToolIcon(tool, size);
}

}  // namespace tw
