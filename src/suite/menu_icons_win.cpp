#include "suite/menu_icons_win.h"

#include <utility>

#include "suite/artwork_draw_win.h"
#include "ui/window_win.h"

using namespace Gdiplus;

namespace tw {
namespace {

const Color kBlue(255, 40, 100, 200);
const Color kRed(255, 200, 50, 50);
const Color kWhite(255, 255, 255, 255);
// Keys of the artwork's icon cache that no tool or task icon uses.
constexpr int kFirstKey = 200;

// Line ends and joins rounded, as the badges' glyphs draw them.
void Round(Pen& pen) {
    pen.SetLineJoin(LineJoinRound);
    pen.SetStartCap(LineCapRound);
    pen.SetEndCap(LineCapRound);
}

void Tick(Graphics& g, const Color& color) {
    Pen tick(color, 2.0f);
    Round(tick);
    const PointF mark[] = {PointF(5, 8), PointF(7.2f, 10.5f), PointF(11.2f, 5.2f)};
    g.DrawLines(&tick, mark, 3);
}

void CheckBox(Graphics& g, bool ticked) {
    SolidBrush white(kWhite);
    const RectF box(2.5f, 2.5f, 11, 11);
    art::FillRoundedRect(g, white, box, 2);
    Pen frame(kBlue, 1.2f);
    Round(frame);
    art::DrawRoundedRect(g, frame, box, 2);
    if (ticked) Tick(g, kBlue);
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

// A registry file: a page with the registry's stacked blocks on it.
void BackupFile(Graphics& g) {
    Page(g, RectF(2.5f, 1.5f, 11, 13));
    SolidBrush blocks(kBlue);
    for (auto [x, y] : {std::pair{4.5f, 9.5f}, {8.0f, 9.5f}, {6.2f, 6.0f}})
        art::FillRoundedRect(g, blocks, RectF(x, y, 3.2f, 3.0f), 0.6f);
}

// A green disc with a white tick: the item was cleaned.
void CleanedMark(Graphics& g) {
    SolidBrush disc(Color(255, 40, 150, 70));
    g.FillEllipse(&disc, RectF(1, 1, 14, 14));
    Tick(g, kWhite);
}

// A grey ring with an arrow stepping past it: the item was passed over.
void PassedMark(Graphics& g) {
    Pen ring(Color(255, 150, 155, 165), 1.4f);
    g.DrawEllipse(&ring, RectF(1.5f, 1.5f, 13, 13));
    Pen arrow(Color(255, 110, 115, 125), 1.8f);
    Round(arrow);
    g.DrawLine(&arrow, PointF(4.5f, 8), PointF(11, 8));
    const PointF head[] = {PointF(8.2f, 5.2f), PointF(11, 8), PointF(8.2f, 10.8f)};
    g.DrawLines(&arrow, head, 3);
}

// A trace to be wiped: a page with lines of history and the broom's blue.
void Trace(Graphics& g) {
    Page(g, RectF(2.5f, 1.5f, 11, 13));
    Pen lines(kBlue, 1.2f);
    Round(lines);
    for (float y : {6.0f, 8.5f, 11.0f}) g.DrawLine(&lines, PointF(4.8f, y), PointF(y < 7 ? 8.5f : 11.0f, y));
}

// The glyphs are laid out on a 16-unit grid and drawn at any size.
// A run's button faces: a green "play" triangle, a red stop square.
void StartTriangle(Graphics& g) {
    SolidBrush green(Color(255, 40, 160, 70));
    const PointF corners[] = {{4, 2.5f}, {13.5f, 8}, {4, 13.5f}};
    g.FillPolygon(&green, corners, 3);
}

void StopSquare(Graphics& g) {
    SolidBrush red(kRed);
    art::FillRoundedRect(g, red, RectF(3, 3, 10, 10), 1.5f);
}

void Draw(Graphics& g, RectF box, MenuIcon icon) {
    g.ScaleTransform(box.Width / 16, box.Height / 16);
    switch (icon) {
        case MenuIcon::SelectAll: CheckBox(g, true); break;
        case MenuIcon::UnselectAll: CheckBox(g, false); break;
        case MenuIcon::CleanChecked: Broom(g); break;
        case MenuIcon::Restore: RestoreArrow(g); break;
        case MenuIcon::Remove:
            Page(g, RectF(2.5f, 1.5f, 9, 11));
            Cross(g, RectF(8, 8, 6, 6));
            break;
        case MenuIcon::RemoveAll:
            Page(g, RectF(4.5f, 0.5f, 9, 11));
            Page(g, RectF(1.5f, 3.5f, 9, 11));
            Cross(g, RectF(8, 8, 6, 6));
            break;
        case MenuIcon::BackupFile: BackupFile(g); break;
        case MenuIcon::Cleaned: CleanedMark(g); break;
        case MenuIcon::Passed: PassedMark(g); break;
        case MenuIcon::Trace: Trace(g); break;
        case MenuIcon::Start: StartTriangle(g); break;
        case MenuIcon::Stop: StopSquare(g); break;
    }
}

}  // namespace

HICON MenuIconOf(MenuIcon icon, int size) {
    return art::KeptIcon(kFirstKey + static_cast<int>(icon), size,
                         [icon](Graphics& g, RectF box) { Draw(g, box, icon); });
}

win32::UniqueImageList MenuIconList(std::initializer_list<MenuIcon> icons, int size) {
    win32::UniqueImageList list(ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, static_cast<int>(icons.size()), 0));
    for (MenuIcon icon : icons) ImageList_AddIcon(list.Get(), MenuIconOf(icon, size));
    return list;
}

}  // namespace tw
