#include "suite/artwork_draw_win.h"

#include <cmath>
#include <memory>

using namespace Gdiplus;

namespace tw::art {
namespace {

struct BadgeColours {
    Color top, bottom;
};

BadgeColours ColoursOf(Tool tool) {
    switch (tool) {
        case Tool::RegistryCleaner: return {Color(255, 64, 140, 240), Color(255, 28, 84, 190)};
        case Tool::DriveCleaner: return {Color(255, 60, 190, 170), Color(255, 20, 130, 120)};
        case Tool::StartupManager: return {Color(255, 250, 170, 60), Color(255, 220, 110, 20)};
        case Tool::InternetTuner: return {Color(255, 90, 200, 250), Color(255, 30, 130, 210)};
        case Tool::HistoryCleaner: return {Color(255, 150, 120, 240), Color(255, 100, 70, 200)};
        case Tool::PrivacyProtector: return {Color(255, 110, 200, 100), Color(255, 50, 150, 60)};
        case Tool::FileShredder: return {Color(255, 240, 100, 100), Color(255, 190, 45, 60)};
        case Tool::FileSplitter: return {Color(255, 120, 140, 170), Color(255, 70, 88, 120)};
    }
    return {Color(255, 128, 128, 128), Color(255, 64, 64, 64)};
}

}  // namespace

GraphicsPath* NewRoundedRect(RectF r, float radius) {
    auto* path = new GraphicsPath();
    const float d = radius * 2;
    path->AddArc(r.X, r.Y, d, d, 180, 90);
    path->AddArc(r.X + r.Width - d, r.Y, d, d, 270, 90);
    path->AddArc(r.X + r.Width - d, r.Y + r.Height - d, d, d, 0, 90);
    path->AddArc(r.X, r.Y + r.Height - d, d, d, 90, 90);
    path->CloseFigure();
    return path;
}

void FillRoundedRect(Graphics& g, const Brush& brush, RectF r, float radius) {
    std::unique_ptr<GraphicsPath> path(NewRoundedRect(r, radius));
    g.FillPath(&brush, path.get());
}

void DrawRoundedRect(Graphics& g, const Pen& pen, RectF r, float radius) {
    std::unique_ptr<GraphicsPath> path(NewRoundedRect(r, radius));
    g.DrawPath(&pen, path.get());
}

void DrawToolBadge(Graphics& g, Tool tool, RectF box) {
    DrawBadge(g, tool, box, [tool](Graphics& g, RectF glyph) { DrawToolGlyph(g, tool, glyph, Color(255, 255, 255, 255)); });
}

void DrawBadge(Graphics& g, Tool tool, RectF box, const std::function<void(Graphics&, RectF)>& glyph) {
    const auto colours = ColoursOf(tool);
    LinearGradientBrush fill(PointF(box.X, box.Y), PointF(box.X, box.Y + box.Height), colours.top, colours.bottom);
    FillRoundedRect(g, fill, box, box.Width * 0.22f);
    SolidBrush shine(Color(40, 255, 255, 255));
    FillRoundedRect(g, shine, RectF(box.X, box.Y, box.Width, box.Height * 0.5f), box.Width * 0.22f);
    const float inset = box.Width * 0.2f;
    glyph(g, RectF(box.X + inset, box.Y + inset, box.Width - 2 * inset, box.Height - 2 * inset));
}

void DrawToolGlyph(Graphics& g, Tool tool, RectF b, Color color) {
    const float s = b.Width;
    Pen pen(color, std::max(1.0f, s * 0.1f));
    pen.SetLineJoin(LineJoinRound);
    pen.SetStartCap(LineCapRound);
    pen.SetEndCap(LineCapRound);
    SolidBrush brush(color);
    auto at = [&](float fx, float fy) { return PointF(b.X + fx * s, b.Y + fy * s); };
    switch (tool) {
        case Tool::RegistryCleaner:  // stacked blocks of the registry
            for (auto [fx, fy] : {std::pair{0.0f, 0.5f}, {0.5f, 0.5f}, {0.25f, 0.05f}})
                FillRoundedRect(g, brush, RectF(b.X + fx * s, b.Y + fy * s, s * 0.45f, s * 0.42f), s * 0.06f);
            break;
        case Tool::DriveCleaner: {  // a drive with its light, and a sparkle
            DrawRoundedRect(g, pen, RectF(b.X, b.Y + s * 0.45f, s, s * 0.45f), s * 0.1f);
            g.FillEllipse(&brush, RectF(b.X + s * 0.72f, b.Y + s * 0.61f, s * 0.13f, s * 0.13f));
            g.DrawLine(&pen, at(0.3f, 0.0f), at(0.3f, 0.3f));
            g.DrawLine(&pen, at(0.15f, 0.15f), at(0.45f, 0.15f));
            break;
        }
        case Tool::StartupManager:  // the power symbol
            g.DrawArc(&pen, RectF(b.X + s * 0.05f, b.Y + s * 0.1f, s * 0.9f, s * 0.9f), -50, 280);
            g.DrawLine(&pen, at(0.5f, 0.0f), at(0.5f, 0.45f));
            break;
        case Tool::InternetTuner:  // a globe
            g.DrawEllipse(&pen, b);
            g.DrawEllipse(&pen, RectF(b.X + s * 0.28f, b.Y, s * 0.44f, s));
            g.DrawLine(&pen, at(0.03f, 0.5f), at(0.97f, 0.5f));
            break;
        case Tool::HistoryCleaner:  // a clock
            g.DrawEllipse(&pen, b);
            g.DrawLine(&pen, at(0.5f, 0.5f), at(0.5f, 0.2f));
            g.DrawLine(&pen, at(0.5f, 0.5f), at(0.72f, 0.62f));
            break;
        case Tool::PrivacyProtector: {  // a shield
            GraphicsPath shield;
            shield.AddLine(at(0.5f, 0.0f), at(0.95f, 0.15f));
            shield.AddBezier(at(0.95f, 0.15f), at(0.95f, 0.6f), at(0.75f, 0.85f), at(0.5f, 1.0f));
            shield.AddBezier(at(0.5f, 1.0f), at(0.25f, 0.85f), at(0.05f, 0.6f), at(0.05f, 0.15f));
            shield.CloseFigure();
            g.DrawPath(&pen, &shield);
            g.DrawLine(&pen, at(0.3f, 0.5f), at(0.45f, 0.65f));
            g.DrawLine(&pen, at(0.45f, 0.65f), at(0.72f, 0.35f));
            break;
        }
        case Tool::FileShredder:  // a page above its strips
            DrawRoundedRect(g, pen, RectF(b.X + s * 0.15f, b.Y, s * 0.7f, s * 0.45f), s * 0.05f);
            for (float fx : {0.2f, 0.4f, 0.6f, 0.8f}) g.DrawLine(&pen, at(fx, 0.6f), at(fx, 1.0f));
            break;
        case Tool::FileSplitter:  // a page cut in two
            DrawRoundedRect(g, pen, RectF(b.X, b.Y + s * 0.1f, s * 0.4f, s * 0.8f), s * 0.05f);
            DrawRoundedRect(g, pen, RectF(b.X + s * 0.6f, b.Y + s * 0.1f, s * 0.4f, s * 0.8f), s * 0.05f);
            break;
    }
}

// The program's own mark: a wave over a well, in the product's blues.
void DrawProgramMark(Graphics& g, RectF box) {
    LinearGradientBrush fill(PointF(0, box.Y), PointF(0, box.Y + box.Height), Color(255, 40, 110, 210),
                             Color(255, 18, 52, 120));
    art::FillRoundedRect(g, fill, box, box.Width * 0.22f);
    const float s = box.Width;
    Pen wave(Color(255, 255, 255, 255), std::max(1.0f, s * 0.09f));
    wave.SetStartCap(LineCapRound);
    wave.SetEndCap(LineCapRound);
    // Each wave is one period of a sine, drawn as a polyline: smooth at
    // every size, and independent of how a renderer flattens curves.
    constexpr int kSteps = 24;
    for (float y : {0.40f, 0.64f}) {
        PointF points[kSteps + 1];
        for (int i = 0; i <= kSteps; ++i) {
            const float t = static_cast<float>(i) / kSteps;
            points[i] = PointF(box.X + s * (0.16f + 0.68f * t),
                               box.Y + s * (y - 0.07f * std::sin(t * 6.2831853f)));
        }
        g.DrawLines(&wave, points, kSteps + 1);
    }
}

const FontFamily* UiFamily() {
    static std::unique_ptr<FontFamily> family = []() -> std::unique_ptr<FontFamily> {
        for (const wchar_t* name : {L"Segoe UI", L"Tahoma", L"Arial", L"DejaVu Sans"}) {
            auto candidate = std::make_unique<FontFamily>(name);
            if (candidate->IsAvailable()) return candidate;
        }
        // Any installed family beats no text at all.
        InstalledFontCollection installed;
        FontFamily first;
        int found = 0;
        if (installed.GetFamilyCount() > 0 && installed.GetFamilies(1, &first, &found) == Ok && found == 1)
            return std::unique_ptr<FontFamily>(first.Clone());
        return nullptr;
    }();
    return family.get();
}

void DrawText(Graphics& g, const wchar_t* text, float size, int style, Color color, RectF box, StringAlignment align) {
    const FontFamily* family = UiFamily();
    if (!family) return;
    Font font(family, size, style, UnitPixel);
    SolidBrush brush(color);
    StringFormat format(StringFormatFlagsNoWrap);
    format.SetAlignment(align);
    format.SetLineAlignment(StringAlignmentNear);
    format.SetTrimming(StringTrimmingEllipsisCharacter);
    g.DrawString(text, -1, &font, box, &format, &brush);
}

HICON ToIcon(Bitmap& bitmap) {
    HICON icon = nullptr;
    bitmap.GetHICON(&icon);
    return icon;
}

win32::UniqueIcon RenderIcon(int size, const IconDrawing& draw) {
    Bitmap bitmap(size, size, PixelFormat32bppARGB);
    Graphics g(&bitmap);
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    g.Clear(Color(0, 0, 0, 0));
    draw(g, RectF(0, 0, static_cast<REAL>(size), static_cast<REAL>(size)));
    return win32::UniqueIcon(ToIcon(bitmap));
}

}  // namespace tw::art
