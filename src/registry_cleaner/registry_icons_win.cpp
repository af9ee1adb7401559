#include "registry_cleaner/registry_icons_win.h"

#include <functional>

#include "registry_cleaner/registry_glyphs_win.h"
#include "registry_cleaner/scan_categories.h"
#include "shell/artwork_draw_win.h"

using namespace Gdiplus;

namespace tw {
namespace {

const Color kBlue(255, 40, 100, 200);
const Color kRed(255, 200, 50, 50);
const Color kWhite(255, 255, 255, 255);

HICON Render(int size, const std::function<void(Graphics&, RectF)>& draw) {
    Bitmap bitmap(size, size, PixelFormat32bppARGB);
    Graphics g(&bitmap);
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    g.Clear(Color(0, 0, 0, 0));
    draw(g, RectF(0, 0, static_cast<REAL>(size), static_cast<REAL>(size)));
    return art::ToIcon(bitmap);
}

// The registry tool's blue badge with the category's glyph on it.
void CategoryBadge(Graphics& g, RectF box, std::size_t category) {
    const RectF inner(box.X + 1, box.Y + 1, box.Width - 2, box.Height - 2);
    LinearGradientBrush fill(PointF(0, inner.Y), PointF(0, inner.Y + inner.Height), Color(255, 64, 140, 240),
                             Color(255, 28, 84, 190));
    art::FillRoundedRect(g, fill, inner, inner.Width * 0.22f);
    SolidBrush shine(Color(40, 255, 255, 255));
    art::FillRoundedRect(g, shine, RectF(inner.X, inner.Y, inner.Width, inner.Height * 0.5f), inner.Width * 0.22f);
    const float inset = inner.Width * 0.22f;
    DrawCategoryGlyph(g, category,
                      RectF(inner.X + inset, inner.Y + inset, inner.Width - 2 * inset, inner.Height - 2 * inset), kWhite);
}

// Line ends and joins rounded, as the badges' glyphs draw them.
void Round(Pen& pen) {
    pen.SetLineJoin(LineJoinRound);
    pen.SetStartCap(LineCapRound);
    pen.SetEndCap(LineCapRound);
}

void CheckBox(Graphics& g, bool ticked) {
    SolidBrush white(kWhite);
    const RectF box(2.5f, 2.5f, 11, 11);
    art::FillRoundedRect(g, white, box, 2);
    Pen frame(kBlue, 1.2f);
    Round(frame);
    art::DrawRoundedRect(g, frame, box, 2);
    if (!ticked) return;
    Pen tick(kBlue, 2.0f);
    Round(tick);
    const PointF mark[] = {PointF(5, 8), PointF(7.2f, 10.5f), PointF(11.2f, 5.2f)};
    g.DrawLines(&tick, mark, 3);
}

// A broom: sweeping away what is checked.
void Broom(Graphics& g) {
    Pen handle(Color(255, 150, 100, 50), 1.6f);
    Round(handle);
    g.DrawLine(&handle, PointF(13.5f, 1.5f), PointF(8, 8));
    SolidBrush bristles(kBlue);
    const PointF head[] = {PointF(6, 6.5f), PointF(9.5f, 10), PointF(6, 15), PointF(1, 10)};
    g.FillPolygon(&bristles, head, 4);
}

void Cross(Graphics& g, RectF b) {
    Pen pen(kRed, 2.0f);
    Round(pen);
    g.DrawLine(&pen, PointF(b.X, b.Y), PointF(b.X + b.Width, b.Y + b.Height));
    g.DrawLine(&pen, PointF(b.X + b.Width, b.Y), PointF(b.X, b.Y + b.Height));
}

void Page(Graphics& g, RectF b) {
    SolidBrush white(kWhite);
    Pen frame(kBlue, 1.2f);
    Round(frame);
    const PointF page[] = {PointF(b.X, b.Y), PointF(b.X + b.Width * 0.65f, b.Y), PointF(b.X + b.Width, b.Y + b.Width * 0.35f),
                           PointF(b.X + b.Width, b.Y + b.Height), PointF(b.X, b.Y + b.Height)};
    g.FillPolygon(&white, page, 5);
    g.DrawPolygon(&frame, page, 5);
}

// An arrow turning back: the backup goes back into the registry.
void RestoreArrow(Graphics& g) {
    Pen pen(Color(255, 40, 150, 70), 2.0f);
    Round(pen);
    g.DrawArc(&pen, RectF(3, 3, 10, 10), 200, 250);
    const PointF head[] = {PointF(2, 3.5f), PointF(3.6f, 7.6f), PointF(7.4f, 6.2f)};
    g.DrawLines(&pen, head, 3);
}

// A registry file: a page with the tool's stacked blocks on it.
void BackupFile(Graphics& g) {
    Page(g, RectF(2.5f, 1.5f, 11, 13));
    SolidBrush blocks(kBlue);
    for (auto [x, y] : {std::pair{4.5f, 9.5f}, {8.0f, 9.5f}, {6.2f, 6.0f}})
        art::FillRoundedRect(g, blocks, RectF(x, y, 3.2f, 3.0f), 0.6f);
}

void MenuGlyph(Graphics& g, RegistryMenuIcon icon) {
    switch (icon) {
        case RegistryMenuIcon::SelectAll: CheckBox(g, true); break;
        case RegistryMenuIcon::UnselectAll: CheckBox(g, false); break;
        case RegistryMenuIcon::CleanChecked: Broom(g); break;
        case RegistryMenuIcon::Restore: RestoreArrow(g); break;
        case RegistryMenuIcon::Remove:
            Page(g, RectF(2.5f, 1.5f, 9, 11));
            Cross(g, RectF(8, 8, 6, 6));
            break;
        case RegistryMenuIcon::RemoveAll:
            Page(g, RectF(4.5f, 0.5f, 9, 11));
            Page(g, RectF(1.5f, 3.5f, 9, 11));
            Cross(g, RectF(8, 8, 6, 6));
            break;
        case RegistryMenuIcon::Count: break;
    }
}

}  // namespace

RegistryIcons::RegistryIcons()
    : categories_(ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, kCategoryCount, 0)),
      backupFiles_(ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 0)) {
    for (std::size_t category = 0; category < kCategoryCount; ++category) {
        const IconOwner icon(Render(32, [category](Graphics& g, RectF box) { CategoryBadge(g, box, category); }));
        ImageList_AddIcon(categories_.get(), icon.get());
    }
    const IconOwner file(Render(16, [](Graphics& g, RectF) { BackupFile(g); }));
    ImageList_AddIcon(backupFiles_.get(), file.get());
    for (std::size_t i = 0; i < menu_.size(); ++i) {
        const auto kind = static_cast<RegistryMenuIcon>(i);
        menu_[i].reset(Render(16, [kind](Graphics& g, RectF) { MenuGlyph(g, kind); }));
    }
}

}  // namespace tw
