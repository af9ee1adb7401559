#include "history_cleaner/history_icons_win.h"

#include "history_cleaner/cache_groups.h"
#include "suite/artwork_draw_win.h"
#include "ui/window_win.h"

using namespace Gdiplus;

namespace tw {
namespace {

// White strokes in a square box, its corner and side given.
struct Strokes {
    Strokes(Graphics& graphics, RectF box) : g(graphics), b(box), s(box.Width), pen(Color(255, 255, 255, 255), std::max(1.0f, s * 0.1f)) {
        pen.SetLineJoin(LineJoinRound);
        pen.SetStartCap(LineCapRound);
        pen.SetEndCap(LineCapRound);
    }
    PointF At(float fx, float fy) const { return PointF(b.X + fx * s, b.Y + fy * s); }
    RectF Box(float fx, float fy, float fw, float fh) const { return RectF(b.X + fx * s, b.Y + fy * s, fw * s, fh * s); }

    Graphics& g;
    RectF b;
    float s;
    Pen pen;
    SolidBrush white{Color(255, 255, 255, 255)};
};

// A clock face whose rim turns back on itself: time gone by.
void History(Strokes& k) {
    k.g.DrawArc(&k.pen, k.Box(0.05f, 0.05f, 0.9f, 0.9f), 200.0f, 300.0f);
    const PointF head[] = {k.At(0.02f, 0.22f), k.At(0.1f, 0.38f), k.At(0.27f, 0.3f)};
    k.g.DrawLines(&k.pen, head, 3);
    k.g.DrawLine(&k.pen, k.At(0.5f, 0.5f), k.At(0.5f, 0.24f));
    k.g.DrawLine(&k.pen, k.At(0.5f, 0.5f), k.At(0.7f, 0.62f));
}

// A round biscuit with a bite out of it and its chips.
void Cookie(Strokes& k) {
    k.g.DrawArc(&k.pen, k.Box(0.03f, 0.03f, 0.94f, 0.94f), 10.0f, 320.0f);
    k.g.DrawArc(&k.pen, k.Box(0.72f, 0.02f, 0.3f, 0.3f), 90.0f, 120.0f);
    for (auto [fx, fy] : {std::pair{0.28f, 0.3f}, {0.55f, 0.5f}, {0.3f, 0.62f}, {0.62f, 0.76f}, {0.45f, 0.18f}})
        k.g.FillEllipse(&k.white, k.Box(fx - 0.07f, fy - 0.07f, 0.14f, 0.14f));
}

// A globe: the pages the browser keeps for later.
void Globe(Strokes& k) {
    k.g.DrawEllipse(&k.pen, k.Box(0.03f, 0.03f, 0.94f, 0.94f));
    k.g.DrawEllipse(&k.pen, k.Box(0.3f, 0.03f, 0.4f, 0.94f));
    k.g.DrawLine(&k.pen, k.At(0.03f, 0.5f), k.At(0.97f, 0.5f));
    k.g.DrawLine(&k.pen, k.At(0.14f, 0.26f), k.At(0.86f, 0.26f));
    k.g.DrawLine(&k.pen, k.At(0.14f, 0.74f), k.At(0.86f, 0.74f));
}

void DrawGroupGlyph(Graphics& g, std::size_t group, RectF box) {
    Strokes k(g, box);
    switch (group) {
        case kHistoryGroup: History(k); break;
        case kCookiesGroup: Cookie(k); break;
        default: Globe(k); break;
    }
}

}  // namespace

HistoryIcons::HistoryIcons(int dpi) {
    const int size = ui::LargeIconSizeAt(dpi);
    groups_.Reset(ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, kGroupCount, 0));
    for (std::size_t group = 0; group < kGroupCount; ++group) {
        const auto icon = art::RenderIcon(size, [group](Graphics& g, RectF box) {
            art::DrawBadge(g, Tool::HistoryCleaner, RectF(box.X + 1, box.Y + 1, box.Width - 2, box.Height - 2),
                           [group](Graphics& g, RectF glyph) { DrawGroupGlyph(g, group, glyph); });
        });
        ImageList_AddIcon(groups_.Get(), icon.Get());
    }
}

}  // namespace tw
