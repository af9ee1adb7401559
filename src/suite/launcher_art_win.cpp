#include <cstdint>
#include <functional>
#include <map>
#include <memory>

#include "suite/artwork_draw_win.h"
#include "suite/artwork_win.h"

using namespace Gdiplus;

namespace tw {
namespace {

// Outside the launcher's shape: the colour of the picture's top-left pixel.
const Color kKeyColour(255, 255, 0, 255);
constexpr float kHeaderHeight = 96;
constexpr float kCornerRadius = 26;

void PaintBackground(Graphics& g) {
    g.Clear(kKeyColour);
    const RectF shape(0, 0, kLauncherArtWidth - 1.0f, kLauncherArtHeight - 1.0f);
    // The silhouette is drawn without anti-aliasing: a blended edge pixel
    // would be neither the key colour nor the picture, and show as a fringe.
    g.SetSmoothingMode(SmoothingModeNone);
    LinearGradientBrush body(PointF(0, 0), PointF(0, kLauncherArtHeight), Color(255, 238, 244, 253), Color(255, 210, 223, 245));
    art::FillRoundedRect(g, body, shape, kCornerRadius);
    GraphicsPath header;
    std::unique_ptr<GraphicsPath> outline(art::NewRoundedRect(shape, kCornerRadius));
    Region headerRegion(outline.get());
    headerRegion.Intersect(RectF(0, 0, kLauncherArtWidth, kHeaderHeight));
    LinearGradientBrush navy(PointF(0, 0), PointF(0, kHeaderHeight), Color(255, 18, 44, 96), Color(255, 34, 86, 168));
    g.FillRegion(&navy, &headerRegion);

    g.SetSmoothingMode(SmoothingModeAntiAlias);
    g.SetTextRenderingHint(TextRenderingHintAntiAlias);
    g.SetClip(&headerRegion);
    for (int i = 0; i < 3; ++i) {
        Pen wave(Color(static_cast<BYTE>(50 - i * 12), 255, 255, 255), 2.0f);
        const float y = kHeaderHeight - 22 + i * 8.0f;
        g.DrawBezier(&wave, PointF(0, y), PointF(200, y - 26), PointF(460, y + 26), PointF(kLauncherArtWidth, y - 6));
    }
    g.ResetClip();
    g.SetClip(&headerRegion, CombineModeExclude);
    art::DrawText(g, L"Quorvex Software", 11, FontStyleRegular, Color(255, 110, 128, 160), RectF(40, 462, 300, 20));
    art::DrawText(g, L"Version 1.0", 11, FontStyleRegular, Color(255, 110, 128, 160), RectF(440, 462, 225, 20),
                  StringAlignmentFar);
    g.ResetClip();

    const RectF mark(34, 22, 50, 50);
    SolidBrush halo(Color(40, 255, 255, 255));
    art::FillRoundedRect(g, halo, RectF(mark.X - 3, mark.Y - 3, mark.Width + 6, mark.Height + 6), 14);
    art::DrawProgramMark(g, mark);
    art::DrawText(g, L"Quorvex Tidewell", 28, FontStyleBold, Color(255, 255, 255, 255), RectF(96, 18, 420, 40));
    art::DrawText(g, L"Keep your PC clean, fast and private", 13, FontStyleRegular, Color(255, 190, 212, 245),
                  RectF(99, 56, 420, 22));
}

REAL ScaleOf(int dpi) { return static_cast<REAL>(dpi) / 96.0f; }

// The picture is drawn at the screen's resolution rather than stretched, so
// it stays sharp; its layout is in the 96-DPI units of the design.
Bitmap& BackgroundBitmap(int dpi) {
    static std::map<int, std::unique_ptr<Bitmap>> bitmaps;
    auto& slot = bitmaps[dpi];
    if (!slot) {
        const SIZE size = LauncherArtSize(dpi);
        slot = std::make_unique<Bitmap>(size.cx, size.cy, PixelFormat24bppRGB);
        Graphics g(slot.get());
        g.ScaleTransform(ScaleOf(dpi), ScaleOf(dpi));
        PaintBackground(g);
    }
    return *slot;
}

// A face starts as the background it covers, so rounded corners and
// translucency sit on the real picture. The returned graphics draw in design
// units.
struct FaceCanvas {
    std::unique_ptr<Bitmap> bitmap;
    std::unique_ptr<Graphics> graphics;
    REAL width = 0, height = 0;  // design units
};

FaceCanvas NewFace(RECT design, int dpi) {
    const RECT pixels = ScaleLauncherRect(design, dpi);
    const int w = pixels.right - pixels.left, h = pixels.bottom - pixels.top;
    FaceCanvas face;
    face.bitmap = std::make_unique<Bitmap>(w, h, PixelFormat24bppRGB);
    face.graphics = std::make_unique<Graphics>(face.bitmap.get());
    face.graphics->DrawImage(&BackgroundBitmap(dpi), Rect(0, 0, w, h), pixels.left, pixels.top, w, h, UnitPixel);
    face.graphics->ScaleTransform(ScaleOf(dpi), ScaleOf(dpi));
    face.graphics->SetSmoothingMode(SmoothingModeAntiAlias);
    face.graphics->SetTextRenderingHint(TextRenderingHintAntiAlias);
    face.width = static_cast<REAL>(design.right - design.left);
    face.height = static_cast<REAL>(design.bottom - design.top);
    return face;
}

HBITMAP ToHbitmap(Bitmap& bitmap) {
    HBITMAP handle = nullptr;
    bitmap.GetHBITMAP(Color(255, 0, 0, 0), &handle);
    return handle;
}

// Wine's GDI+ draws pens and ellipses without anti-aliasing, which shows
// on round outlines: a layer is drawn four times as large and each 4 x 4
// block averaged (weighted by its alpha), which smooths it on any system.
class Supersampled {
public:
    static constexpr int kFactor = 4;

    Supersampled(UINT width, UINT height, REAL scale, const std::function<void(Graphics&)>& draw)
        : small_(static_cast<INT>(width), static_cast<INT>(height), PixelFormat32bppARGB) {
        Bitmap large(static_cast<INT>(width * kFactor), static_cast<INT>(height * kFactor), PixelFormat32bppARGB);
        {
            Graphics g(&large);
            g.Clear(Color(0, 0, 0, 0));
            g.SetSmoothingMode(SmoothingModeAntiAlias);
            g.ScaleTransform(scale * kFactor, scale * kFactor);
            draw(g);
        }
        Average(large, width, height);
    }
    void DrawOn(Graphics& target) {
        target.DrawImage(&small_, 0, 0, static_cast<INT>(small_.GetWidth()), static_cast<INT>(small_.GetHeight()));
    }

private:
    void Average(Bitmap& large, UINT width, UINT height) {
        const Rect all(0, 0, static_cast<INT>(width * kFactor), static_cast<INT>(height * kFactor));
        const Rect out(0, 0, static_cast<INT>(width), static_cast<INT>(height));
        BitmapData from{}, to{};
        if (large.LockBits(&all, ImageLockModeRead, PixelFormat32bppARGB, &from) != Ok) return;
        if (small_.LockBits(&out, ImageLockModeWrite, PixelFormat32bppARGB, &to) != Ok) {
            large.UnlockBits(&from);
            return;
        }
        for (UINT y = 0; y < height; ++y) {
            auto* row = reinterpret_cast<std::uint32_t*>(static_cast<BYTE*>(to.Scan0) + y * to.Stride);
            for (UINT x = 0; x < width; ++x) row[x] = BlockAverage(from, x * kFactor, y * kFactor);
        }
        small_.UnlockBits(&to);
        large.UnlockBits(&from);
    }
    static std::uint32_t BlockAverage(const BitmapData& from, UINT left, UINT top) {
        std::uint32_t alpha = 0, channel[3] = {};
        for (UINT y = top; y < top + kFactor; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const BYTE*>(from.Scan0) + y * from.Stride);
            for (UINT x = left; x < left + kFactor; ++x) {
                const std::uint32_t p = row[x], a = p >> 24;
                alpha += a;
                for (int c = 0; c < 3; ++c) channel[c] += ((p >> (16 - 8 * c)) & 0xFF) * a;
            }
        }
        if (alpha == 0) return 0;
        std::uint32_t result = (alpha / (kFactor * kFactor)) << 24;
        for (int c = 0; c < 3; ++c) result |= (channel[c] / alpha) << (16 - 8 * c);
        return result;
    }

    Bitmap small_;
};

// A round button's ring and glyph, in design units.
void DrawGlyphButton(Graphics& g, LauncherGlyph glyph, ButtonFace state, const RectF& circle) {
    const BYTE alpha = state == ButtonFace::Pressed ? 90 : state == ButtonFace::Hot ? 55 : 0;
    if (alpha) {
        SolidBrush fill(glyph == LauncherGlyph::Close && state != ButtonFace::Normal ? Color(200, 220, 60, 60)
                                                                                     : Color(alpha, 255, 255, 255));
        g.FillEllipse(&fill, circle);
    }
    Pen ring(Color(110, 255, 255, 255), 1.2f);
    g.DrawEllipse(&ring, circle);
    Pen pen(Color(255, 255, 255, 255), 2.0f);
    pen.SetStartCap(LineCapRound);
    pen.SetEndCap(LineCapRound);
    const float c = circle.X + circle.Width / 2, m = circle.Y + circle.Height / 2, r = circle.Width * 0.2f;
    switch (glyph) {
        case LauncherGlyph::About: {
            SolidBrush dot(Color(255, 255, 255, 255));
            g.FillEllipse(&dot, RectF(c - 1.5f, m - r - 2.5f, 3, 3));
            g.DrawLine(&pen, PointF(c, m - 1), PointF(c, m + r + 1));
            break;
        }
        case LauncherGlyph::Minimize:
            g.DrawLine(&pen, PointF(c - r, m + 1), PointF(c + r, m + 1));
            break;
        case LauncherGlyph::Close:
            g.DrawLine(&pen, PointF(c - r, m - r), PointF(c + r, m + r));
            g.DrawLine(&pen, PointF(c - r, m + r), PointF(c + r, m - r));
            break;
    }
}

}  // namespace

const wchar_t* ToolSubtitle(Tool tool) {
    switch (tool) {
        case Tool::RegistryCleaner: return L"Remove invalid entries";
        case Tool::DriveCleaner: return L"Delete junk files";
        case Tool::StartupManager: return L"Control what starts";
        case Tool::InternetTuner: return L"Tune your connection";
        case Tool::HistoryCleaner: return L"Clear the browser's cache";
        case Tool::PrivacyProtector: return L"Erase usage traces";
        case Tool::FileShredder: return L"Destroy files for good";
        case Tool::FileSplitter: return L"Split and join large files";
    }
    return L"";
}

SIZE LauncherArtSize(int dpi) { return {MulDiv(kLauncherArtWidth, dpi, 96), MulDiv(kLauncherArtHeight, dpi, 96)}; }

RECT ScaleLauncherRect(RECT design, int dpi) {
    return {MulDiv(design.left, dpi, 96), MulDiv(design.top, dpi, 96), MulDiv(design.right, dpi, 96),
            MulDiv(design.bottom, dpi, 96)};
}

HBITMAP LauncherBackground(int dpi) {
    static std::map<int, HBITMAP> handles;
    auto& handle = handles[dpi];
    if (!handle) handle = ToHbitmap(BackgroundBitmap(dpi));
    return handle;
}

HBITMAP ToolButtonFace(Tool tool, RECT bounds, ButtonFace state, int dpi) {
    auto face = NewFace(bounds, dpi);
    Graphics& g = *face.graphics;
    const float w = face.width, h = face.height;
    const float shift = state == ButtonFace::Pressed ? 1.0f : 0.0f;
    const RectF card(1 + shift, 1 + shift, w - 3, h - 3);
    const Color fill = state == ButtonFace::Pressed ? Color(255, 222, 232, 250)
                       : state == ButtonFace::Hot   ? Color(255, 255, 255, 255)
                                                    : Color(215, 255, 255, 255);
    SolidBrush brush(fill);
    art::FillRoundedRect(g, brush, card, 10);
    Pen border(state == ButtonFace::Normal ? Color(255, 188, 204, 232) : Color(255, 64, 128, 224),
               state == ButtonFace::Normal ? 1.0f : 1.6f);
    art::DrawRoundedRect(g, border, card, 10);
    constexpr float badge = 38;
    art::DrawToolBadge(g, tool, RectF(12 + shift, (h - badge) / 2 + shift, badge, badge));
    const float textLeft = 24 + badge + shift;
    art::DrawText(g, std::wstring(ToolName(tool).begin(), ToolName(tool).end()).c_str(), 14, FontStyleBold,
                  Color(255, 24, 52, 110), RectF(textLeft, h / 2 - 19 + shift, w - textLeft - 6, 22));
    art::DrawText(g, ToolSubtitle(tool), 11, FontStyleRegular, Color(255, 88, 104, 136),
                  RectF(textLeft, h / 2 + 1 + shift, w - textLeft - 6, 18));
    return ToHbitmap(*face.bitmap);
}

HBITMAP GlyphButtonFace(LauncherGlyph glyph, RECT bounds, ButtonFace state, int dpi) {
    auto face = NewFace(bounds, dpi);
    const float w = face.width;
    Supersampled layer(face.bitmap->GetWidth(), face.bitmap->GetHeight(), ScaleOf(dpi), [&](Graphics& g) {
        DrawGlyphButton(g, glyph, state, RectF(3, 3, w - 7, w - 7));
    });
    face.graphics->ResetTransform();
    layer.DrawOn(*face.graphics);
    return ToHbitmap(*face.bitmap);
}

}  // namespace tw
