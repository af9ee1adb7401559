#include "registry_cleaner/registry_glyphs_win.h"

#include "registry_cleaner/scan_categories.h"

using namespace Gdiplus;

namespace tw {
namespace {

// A pen and a brush of one colour, and points in the box's unit square.
struct GlyphKit {
    GlyphKit(RectF box, Color color) : b(box), s(box.Width), pen(color, std::max(1.0f, box.Width * 0.09f)), brush(color) {
        pen.SetLineJoin(LineJoinRound);
        pen.SetStartCap(LineCapRound);
        pen.SetEndCap(LineCapRound);
    }
    PointF At(float fx, float fy) const { return PointF(b.X + fx * s, b.Y + fy * s); }
    RectF Box(float fx, float fy, float fw, float fh) const { return RectF(b.X + fx * s, b.Y + fy * s, fw * s, fh * s); }

    RectF b;
    float s;
    Pen pen;
    SolidBrush brush;
};

// Three modules joined at one hub: a library many programs share.
void SharedLibrary(Graphics& g, GlyphKit& k) {
    const PointF hub = k.At(0.5f, 0.55f);
    for (auto [fx, fy] : {std::pair{0.14f, 0.14f}, {0.86f, 0.14f}, {0.5f, 0.92f}}) g.DrawLine(&k.pen, hub, k.At(fx, fy));
    g.FillEllipse(&k.brush, k.Box(0.36f, 0.41f, 0.28f, 0.28f));
    for (auto [fx, fy] : {std::pair{0.0f, 0.0f}, {0.72f, 0.0f}, {0.36f, 0.76f}})
        art::FillRoundedRect(g, k.brush, k.Box(fx, fy, 0.28f, 0.24f), k.s * 0.05f);
}

// A capital A with its crossbar.
void Letter(Graphics& g, GlyphKit& k) {
    const PointF apex[] = {k.At(0.12f, 0.95f), k.At(0.5f, 0.03f), k.At(0.88f, 0.95f)};
    g.DrawLines(&k.pen, apex, 3);
    g.DrawLine(&k.pen, k.At(0.28f, 0.62f), k.At(0.72f, 0.62f));
}

// A cube seen from above one corner: an object.
void Cube(Graphics& g, GlyphKit& k) {
    const PointF outline[] = {k.At(0.5f, 0.02f), k.At(0.95f, 0.25f), k.At(0.95f, 0.75f),
                              k.At(0.5f, 0.98f), k.At(0.05f, 0.75f), k.At(0.05f, 0.25f)};
    g.DrawPolygon(&k.pen, outline, 6);
    g.DrawLine(&k.pen, k.At(0.05f, 0.25f), k.At(0.5f, 0.48f));
    g.DrawLine(&k.pen, k.At(0.95f, 0.25f), k.At(0.5f, 0.48f));
    g.DrawLine(&k.pen, k.At(0.5f, 0.48f), k.At(0.5f, 0.98f));
}

// A page with a folded corner.
void Document(Graphics& g, GlyphKit& k) {
    const PointF page[] = {k.At(0.15f, 0.0f), k.At(0.62f, 0.0f), k.At(0.85f, 0.25f), k.At(0.85f, 1.0f),
                           k.At(0.15f, 1.0f)};
    g.DrawPolygon(&k.pen, page, 5);
    const PointF fold[] = {k.At(0.6f, 0.02f), k.At(0.6f, 0.27f), k.At(0.83f, 0.27f)};
    g.DrawLines(&k.pen, fold, 3);
    for (float fy : {0.5f, 0.7f}) g.DrawLine(&k.pen, k.At(0.32f, fy), k.At(0.68f, fy));
}

// A framed picture with a hill and the sun.
void Picture(Graphics& g, GlyphKit& k) {
    art::DrawRoundedRect(g, k.pen, k.Box(0.0f, 0.1f, 1.0f, 0.8f), k.s * 0.08f);
    const PointF hill[] = {k.At(0.1f, 0.8f), k.At(0.38f, 0.45f), k.At(0.58f, 0.68f), k.At(0.72f, 0.55f),
                           k.At(0.9f, 0.8f)};
    g.DrawLines(&k.pen, hill, 5);
    g.FillEllipse(&k.brush, k.Box(0.66f, 0.22f, 0.16f, 0.16f));
}

// A program window with an arrow leading to it: where it lives.
void ProgramPath(Graphics& g, GlyphKit& k) {
    art::DrawRoundedRect(g, k.pen, k.Box(0.38f, 0.05f, 0.6f, 0.55f), k.s * 0.06f);
    g.DrawLine(&k.pen, k.At(0.38f, 0.2f), k.At(0.98f, 0.2f));
    g.DrawLine(&k.pen, k.At(0.02f, 0.9f), k.At(0.55f, 0.9f));
    const PointF head[] = {k.At(0.42f, 0.78f), k.At(0.56f, 0.9f), k.At(0.42f, 1.0f)};
    g.DrawLines(&k.pen, head, 3);
    g.DrawLine(&k.pen, k.At(0.02f, 0.9f), k.At(0.02f, 0.45f));
}

// A question mark.
void Question(Graphics& g, GlyphKit& k) {
    g.DrawArc(&k.pen, k.Box(0.22f, 0.0f, 0.56f, 0.5f), 180, 230);
    g.DrawLine(&k.pen, k.At(0.5f, 0.5f), k.At(0.5f, 0.68f));
    g.FillEllipse(&k.brush, k.Box(0.41f, 0.82f, 0.18f, 0.18f));
}

// A plug with its two pins and cable: a control that plugs into programs.
void Plug(Graphics& g, GlyphKit& k) {
    art::DrawRoundedRect(g, k.pen, k.Box(0.2f, 0.3f, 0.6f, 0.36f), k.s * 0.08f);
    for (float fx : {0.36f, 0.64f}) g.DrawLine(&k.pen, k.At(fx, 0.02f), k.At(fx, 0.3f));
    const PointF cable[] = {k.At(0.5f, 0.66f), k.At(0.5f, 0.82f), k.At(0.3f, 0.98f)};
    g.DrawLines(&k.pen, cable, 3);
}

// A loudspeaker with two sound waves.
void Speaker(Graphics& g, GlyphKit& k) {
    const PointF cone[] = {k.At(0.02f, 0.36f), k.At(0.22f, 0.36f), k.At(0.48f, 0.1f), k.At(0.48f, 0.9f),
                           k.At(0.22f, 0.64f), k.At(0.02f, 0.64f)};
    g.FillPolygon(&k.brush, cone, 6);
    g.DrawArc(&k.pen, k.Box(0.42f, 0.28f, 0.3f, 0.44f), -50, 100);
    g.DrawArc(&k.pen, k.Box(0.42f, 0.08f, 0.55f, 0.84f), -50, 100);
}

}  // namespace

void DrawCategoryGlyph(Graphics& g, std::size_t category, RectF box, Color color) {
    GlyphKit kit(box, color);
    switch (category) {
        case kSharedDlls: SharedLibrary(g, kit); break;
        case kFonts: Letter(g, kit); break;
        case kComObjects: Cube(g, kit); break;
        case kFileTypes: Document(g, kit); break;
        case kIcons: Picture(g, kit); break;
        case kAppPaths: ProgramPath(g, kit); break;
        case kHelpFiles: Question(g, kit); break;
        case kActivex: Plug(g, kit); break;
        case kSounds: Speaker(g, kit); break;
        default: break;
    }
}

}  // namespace tw
