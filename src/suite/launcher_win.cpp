#include "suite/launcher_win.h"

#include <vector>

#include "suite/artwork_win.h"
#include "suite/window_region.h"
#include "ui/error_text.h"
#include "ui/fonts_win.h"
#include "ui/painting_win.h"
#include "ui/theme_win.h"
#include "ui/wide_win.h"

namespace tw {
namespace {

constexpr int kClientWidth = 773;
constexpr int kClientHeight = 504;
constexpr UINT kReleaseModule = WM_APP + 1;

struct ButtonSpot {
    Tool tool;
    RECT bounds;
};

// Positions of the eight tool buttons, in the launcher's pixels.
constexpr ButtonSpot kToolSpots[] = {
    {Tool::RegistryCleaner, {48, 112, 273, 177}},  {Tool::HistoryCleaner, {48, 200, 273, 257}},
    {Tool::PrivacyProtector, {48, 288, 273, 353}}, {Tool::FileShredder, {48, 376, 273, 441}},
    {Tool::DriveCleaner, {384, 112, 601, 177}},    {Tool::FileSplitter, {384, 200, 601, 257}},
    {Tool::StartupManager, {384, 288, 601, 353}},  {Tool::InternetTuner, {384, 376, 601, 441}},
};
constexpr RECT kAboutSpot{576, 24, 609, 57};
constexpr RECT kMinimizeSpot{608, 24, 641, 57};
constexpr RECT kCloseSpot{640, 24, 673, 57};

std::unique_ptr<ui::PictureButton> GlyphButton(HWND parent, LauncherGlyph glyph, RECT spot, const wchar_t* name,
                                               int dpi) {
    return std::make_unique<ui::PictureButton>(
        parent, ScaleLauncherRect(spot, dpi), name, GlyphButtonFace(glyph, spot, ButtonFace::Normal, dpi),
        GlyphButtonFace(glyph, spot, ButtonFace::Hot, dpi), GlyphButtonFace(glyph, spot, ButtonFace::Pressed, dpi));
}

}  // namespace

HRGN LauncherRegion(HBITMAP picture) {
    BITMAP info{};
    GetObjectW(picture, sizeof(info), &info);
    const int width = info.bmWidth, height = info.bmHeight;
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const int stride = (width * 3 + 3) & ~3;
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(stride) * height);
    const HDC screen = GetDC(nullptr);
    GetDIBits(screen, picture, 0, height, pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);

    HRGN region = CreateRectRgn(0, 0, width, height);
    for (const auto& run : TransparentRuns(pixels, width, height, stride)) {
        HRGN cut = CreateRectRgn(run.left, run.top, run.right, run.bottom);
        CombineRgn(region, region, cut, RGN_DIFF);
        DeleteObject(cut);
    }
    return region;
}

TfrmMain::TfrmMain(SuiteContext& context, ModuleFactory factory, std::function<void()> showAbout)
    : context_(context), factory_(std::move(factory)), showAbout_(std::move(showAbout)), dpi_(ui::WindowDpi(nullptr)) {
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int width = ui::Scale(kClientWidth, dpi_), height = ui::Scale(kClientHeight, dpi_);
    Create(L"TfrmMain", WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, WS_EX_APPWINDOW | WS_EX_CONTROLPARENT,
           ui::Wide(kApplicationTitle), work.left + (work.right - work.left - width) / 2,
           work.top + (work.bottom - work.top - height) / 2, width, height, nullptr);
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon(32)));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramIcon(16)));
    CreateButtons();
    ApplyRegion();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::CreateButtons() {
    for (const auto& spot : kToolSpots) {
        auto button = std::make_unique<ui::PictureButton>(
            Handle(), ScaleLauncherRect(spot.bounds, dpi_), ui::Wide(ToolName(spot.tool)),
            ToolButtonFace(spot.tool, spot.bounds, ButtonFace::Normal, dpi_),
            ToolButtonFace(spot.tool, spot.bounds, ButtonFace::Hot, dpi_),
            ToolButtonFace(spot.tool, spot.bounds, ButtonFace::Pressed, dpi_));
        button->onClick = [this, tool = spot.tool] { OpenModule(tool); };
        button->SetDescription(ToolSubtitle(spot.tool));
        toolButtons_[static_cast<std::size_t>(spot.tool)] = std::move(button);
    }
    about_ = GlyphButton(Handle(), LauncherGlyph::About, kAboutSpot, L"About", dpi_);
    about_->SetContrastCaption(L"?");
    about_->onClick = [this] { if (showAbout_) showAbout_(); };
    minimize_ = GlyphButton(Handle(), LauncherGlyph::Minimize, kMinimizeSpot, L"Minimize", dpi_);
    minimize_->SetContrastCaption(L"_");
    minimize_->onClick = [this] { ShowWindow(Handle(), SW_MINIMIZE); };
    close_ = GlyphButton(Handle(), LauncherGlyph::Close, kCloseSpot, L"Close", dpi_);
    close_->SetContrastCaption(L"X");
    close_->onClick = [this] { PostMessageW(Handle(), WM_CLOSE, 0, 0); };
}

void TfrmMain::ApplyRegion() { SetWindowRgn(Handle(), LauncherRegion(LauncherBackground(dpi_)), TRUE); }

void TfrmMain::Show() {
    ShowWindow(Handle(), SW_SHOW);
    UpdateWindow(Handle());
    // Keys work at once: the launcher takes the foreground, and Tab then
    // moves from its first button.
    SetForegroundWindow(Handle());
    if (!IsChild(Handle(), GetFocus())) SetFocus(toolButtons_[0]->Handle());
}

void TfrmMain::OpenModule(Tool tool) {
    if (module_) return;  // one tool window at a time
    module_ = factory_(tool, context_);
    module_->onClosed = [this, tool] {
        Show();
        SetFocus(ToolButton(tool).Handle());
        PostMessageW(Handle(), kReleaseModule, 0, 0);
    };
    module_->Open(context_.settings.SkipIntro(tool) ? 2 : 1);
    ShowWindow(Handle(), SW_HIDE);
}

void TfrmMain::ReleaseModule() {
    // Posted by the close handler, so the window is destroyed only after the
    // message that closed it has been handled.
    module_.reset();
}

bool TfrmMain::IsDragPoint(POINT client) const {
    client = {MulDiv(client.x, 96, dpi_), MulDiv(client.y, 96, dpi_)};  // to the design's units
    auto inside = [&](const RECT& r) { return PtInRect(&r, client) != FALSE; };
    for (const auto& spot : kToolSpots)
        if (inside(spot.bounds)) return false;
    return !inside(kAboutSpot) && !inside(kMinimizeSpot) && !inside(kCloseSpot);
}

void TfrmMain::Paint() {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(Handle(), &ps);
    const SIZE size = LauncherArtSize(dpi_);
    if (ui::CurrentPalette().HighContrast())
        PaintContrastBackground(dc);
    else
        ui::DrawBitmap(dc, LauncherBackground(dpi_), 0, 0, size.cx, size.cy);
    EndPaint(Handle(), &ps);
}

// The picture's own colours are no help to a reader of a high-contrast
// scheme: the outline stays, filled and framed in the scheme's colours.
void TfrmMain::PaintContrastBackground(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, ui::InkBrush(ui::Ink::Surface, {}));
    const HRGN outline = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(Handle(), outline) != ERROR) {
        const int edge = ui::Scale(2, dpi_);
        FrameRgn(dc, outline, ui::InkBrush(ui::Ink::Frame, {}), edge, edge);
    }
    DeleteObject(outline);
    RECT title{ui::Scale(48, dpi_), ui::Scale(30, dpi_), ui::Scale(560, dpi_), ui::Scale(80, dpi_)};
    ui::DrawLine(dc, ui::TitleFont(dpi_), ui::InkColour(ui::Ink::Text, {}), ui::Wide(kProductName), title, DT_VCENTER);
}

LRESULT TfrmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_NCHITTEST: {
            const LRESULT hit = Default(message, wParam, lParam);
            if (hit != HTCLIENT) return hit;
            POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            ScreenToClient(Handle(), &p);
            return IsDragPoint(p) ? HTCAPTION : hit;
        }
        case WM_ACTIVATE:
            if (focus_.OnActivate(Handle(), wParam)) return 0;
            return Default(message, wParam, lParam);
        case WM_DPICHANGED: {
            // The frame has taken its new size; the pictures and their outline follow.
            const bool hadFocus = IsChild(Handle(), GetFocus());
            dpi_ = HIWORD(wParam);
            CreateButtons();
            ApplyRegion();
            if (hadFocus) SetFocus(toolButtons_[0]->Handle());
            return 0;
        }
        case kReleaseModule:
            ReleaseModule();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return Default(message, wParam, lParam);
    }
}

}  // namespace tw
