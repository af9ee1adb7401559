#include "registry_cleaner/registry_icons_win.h"

#include "registry_cleaner/registry_glyphs_win.h"
#include "registry_cleaner/scan_categories.h"
#include "suite/artwork_draw_win.h"
#include "ui/window_win.h"

using namespace Gdiplus;

namespace tw {
namespace {

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
                      RectF(inner.X + inset, inner.Y + inset, inner.Width - 2 * inset, inner.Height - 2 * inset),
                      Color(255, 255, 255, 255));
}

}  // namespace

RegistryIcons::RegistryIcons(int dpi) {
    const int size = ui::LargeIconSizeAt(dpi);
    categories_.Reset(ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, kCategoryCount, 0));
    for (std::size_t category = 0; category < kCategoryCount; ++category) {
        const auto icon = art::RenderIcon(size, [category](Graphics& g, RectF box) { CategoryBadge(g, box, category); });
        ImageList_AddIcon(categories_.Get(), icon.Get());
    }
}

}  // namespace tw
