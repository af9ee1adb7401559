#include <array>
#include <utility>
#include <vector>

#include "app/module_factory_win.h"
#include "support/common_controls6_win.h"
#include "support/ui_session_win.h"
#include "ui/panel_win.h"
#include "ui/row_view_win.h"
#include "ui/theme_win.h"

namespace tw {
namespace {

constexpr std::array<int, 7> kSchemeSlots{COLOR_WINDOW,    COLOR_WINDOWTEXT, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT,
                                          COLOR_BTNFACE,   COLOR_GRAYTEXT,   COLOR_HOTLIGHT};
// High Contrast Black as Windows 10 ships it.
constexpr std::array<COLORREF, 7> kBlackScheme{RGB(0, 0, 0),      RGB(255, 255, 255), RGB(26, 235, 255), RGB(0, 0, 0),
                                               RGB(0, 0, 0),      RGB(63, 242, 63),   RGB(255, 255, 0)};

HWND FirstDescendant(HWND parent, const wchar_t* className) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[32] = {};
        GetClassNameW(child, name, 32);
        if (lstrcmpW(name, className) == 0) return child;
        if (const HWND inner = FirstDescendant(child, className)) return inner;
    }
    return nullptr;
}

// What the window shows on the screen, not what it would print.
COLORREF ScreenPixel(HWND hwnd, int x, int y) {
    const HDC dc = GetDC(hwnd);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return c;
}

LONG IconWidth(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return 0L;
    BITMAP bitmap{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

// Grows the window by the DPIs' ratio, as the system suggests with the message.
void SendDpiChange(HWND window, int from, int to) {
    RECT frame;
    GetWindowRect(window, &frame);
    RECT suggested{frame.left, frame.top, frame.left + MulDiv(frame.right - frame.left, to, from),
                   frame.top + MulDiv(frame.bottom - frame.top, to, from)};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
}

// What a change of DPI must grow, anywhere in the window: the side of every
// image list our lists and trees draw from and of every icon button's
// picture; each list's first column and first line.
struct Measures {
    std::vector<int> icons, layout;
};

BOOL CALLBACK MeasureChild(HWND child, LPARAM out) {
    auto& m = *reinterpret_cast<Measures*>(out);
    if (const auto* rows = dynamic_cast<const ui::RowView*>(ui::Window::FromAnyHandle(child))) {
        for (HIMAGELIST list : {rows->SmallImages(), rows->LargeImages()}) {
            int cx = 0, cy = 0;
            if (list && ImageList_GetIconSize(list, &cx, &cy)) m.icons.push_back(cx);
        }
        m.layout.push_back(rows->ColumnWidth(0));
        if (rows->VisibleCount() > 0) m.layout.push_back(rows->RowRect(0).bottom - rows->RowRect(0).top);
    }
    if (const auto icon = reinterpret_cast<HICON>(SendMessageW(child, BM_GETIMAGE, IMAGE_ICON, 0)))
        m.icons.push_back(IconWidth(icon));
    return TRUE;
}

BOOL CALLBACK NoteFontHeight(HWND child, LPARAM out) {
    if (const auto font = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0))) {
        LOGFONTW info{};
        GetObjectW(font, sizeof(info), &info);
        reinterpret_cast<std::vector<LONG>*>(out)->push_back(std::abs(info.lfHeight));
    }
    return TRUE;
}

Measures MeasuresOf(HWND window) {
    Measures found;
    EnumChildWindows(window, MeasureChild, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Wine 8 refuses SPI_SETHIGHCONTRAST (ERROR_INVALID_SPI_VALUE) and always
// reports the switch off; there the palette is pointed at the test's switch
// and the broadcast that Windows would send follows.
class HighContrastTest : public UiTest {
protected:
    void SetUp() override {
        for (std::size_t i = 0; i < kSchemeSlots.size(); ++i) saved_[i] = GetSysColor(kSchemeSlots[i]);
    }
    void TearDown() override {
        SwitchContrast(false);
        SetSysColors(static_cast<int>(kSchemeSlots.size()), kSchemeSlots.data(), saved_.data());
        ui::SetHighContrastSource(nullptr);
        ui::ReloadPalette();
    }
    void SwitchContrast(bool on) {
        HIGHCONTRASTW contrast{sizeof(contrast), on ? static_cast<DWORD>(HCF_HIGHCONTRASTON) : 0, nullptr};
        if (!SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof(contrast), &contrast, SPIF_SENDCHANGE)) {
            ui::SetHighContrastSource([on] { return on; });
            SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
        }
        Settle();
    }
    std::array<COLORREF, 7> saved_{};
};

TEST_F(HighContrastTest, TitleBandTaskPaneAndRowsTakeTheSchemeWhileTheWindowIsOpen) {
    const auto window = CreateModuleWindow(Tool::RegistryCleaner, context);
    window->BringToFront(2);
    ShowWindow(window->Handle(), SW_SHOW);
    SetSysColors(static_cast<int>(kSchemeSlots.size()), kSchemeSlots.data(), kBlackScheme.data());
    Settle();
    const HWND page = window->Page(2)->Handle(), tasks = window->Tasks().Handle();
    const HWND rows = FirstDescendant(page, L"TwRowView");
    ASSERT_NE(rows, nullptr);
    RECT pageRect, taskRect, rowRect;
    GetClientRect(page, &pageRect);
    GetClientRect(tasks, &taskRect);
    GetClientRect(rows, &rowRect);
    struct Spot {
        const char* what;
        HWND hwnd;
        POINT at;
        COLORREF scheme;
    };
    const Spot spots[] = {
        {"title band", page, {pageRect.right - 4, 2}, RGB(26, 235, 255)},
        {"task column", tasks, {2, taskRect.bottom - 2}, RGB(0, 0, 0)},
        {"task header", tasks, {taskRect.right - 14, 14}, RGB(26, 235, 255)},
        {"list background", rows, {rowRect.right - 3, rowRect.bottom - 1}, RGB(0, 0, 0)},
    };
    // The scheme's colours alone do not switch the look: only high contrast does.
    for (const auto& spot : spots) EXPECT_NE(ScreenPixel(spot.hwnd, spot.at.x, spot.at.y), spot.scheme) << spot.what;

    SwitchContrast(true);
    ASSERT_TRUE(ui::CurrentPalette().HighContrast());
    for (const auto& spot : spots) EXPECT_EQ(ScreenPixel(spot.hwnd, spot.at.x, spot.at.y), spot.scheme) << spot.what;

    SwitchContrast(false);
    for (const auto& spot : spots)
        EXPECT_NE(ScreenPixel(spot.hwnd, spot.at.x, spot.at.y), spot.scheme) << spot.what << " after switching back";
}

// Every font of ours is made again for the new DPI, and the frame's
// pictures are drawn at their new size rather than stretched.
TEST_F(HighContrastTest, ADpiChangeFrom96To144MakesFontsAndIconsAHalfLarger) {
    const auto window = CreateModuleWindow(Tool::RegistryCleaner, context);
    ShowWindow(window->Handle(), SW_SHOW);
    Settle();
    auto fontHeights = [&] {
        std::vector<LONG> heights;
        EnumChildWindows(window->Handle(), NoteFontHeight, reinterpret_cast<LPARAM>(&heights));
        return heights;
    };
    ASSERT_EQ(ui::WindowDpi(window->Handle()), 96);
    const auto before = fontHeights();
    ASSERT_GT(before.size(), 5u);
    EXPECT_EQ(IconWidth(window->Tasks().ItemIcon(0)), 16);

    SendDpiChange(window->Handle(), 96, 144);
    Settle();

    EXPECT_EQ(ui::WindowDpi(window->Tasks().Handle()), 144);
    const auto after = fontHeights();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) EXPECT_EQ(after[i] * 2, before[i] * 3) << "child " << i;
    for (int item = 0; item < 3; ++item) EXPECT_EQ(IconWidth(window->Tasks().ItemIcon(item)), 24) << "task " << item;
    EXPECT_EQ(IconWidth(window->Page(2)->Icon()), 24);
    RECT client;
    GetClientRect(window->Page(2)->Handle(), &client);
    EXPECT_GT(client.right, MulDiv(590, 144, 96) - 40);  // laid out again at the new size
}

// Each tool's own lists, trees and icon buttons (the Backups page's too)
// follow the change, not only the frame's pictures.
TEST_F(HighContrastTest, ADpiChangeFrom96To144RedrawsEveryToolsListIconsAndIconButtons) {
    // Each tool's image lists and icon pictures at 96 DPI, in window order.
    const std::pair<Tool, std::vector<int>> cases[] = {
        {Tool::RegistryCleaner, {32, 16}}, {Tool::HistoryCleaner, {32}},    {Tool::PrivacyProtector, {16}},
        {Tool::DriveCleaner, {16, 16, 16}}, {Tool::StartupManager, {16, 16}}, {Tool::InternetTuner, {16}},
    };
    const CommonControls6Scope program;  // as the program runs: buttons show their pictures
    ASSERT_TRUE(program.Active());
    auto grown = [](std::vector<int> sizes) {
        for (int& size : sizes) size = size * 3 / 2;
        return sizes;
    };
    for (const auto& [tool, icons] : cases) {
        SCOPED_TRACE(std::string(ToolName(tool)));
        const auto window = CreateModuleWindow(tool, context);
        ShowWindow(window->Handle(), SW_SHOW);
        Settle();
        const Measures before = MeasuresOf(window->Handle());
        EXPECT_EQ(before.icons, icons);
        SendDpiChange(window->Handle(), 96, 144);
        Settle();
        const Measures after = MeasuresOf(window->Handle());
        EXPECT_EQ(after.icons, grown(icons));
        EXPECT_EQ(after.layout, grown(before.layout));
    }
}

}  // namespace
}  // namespace tw
