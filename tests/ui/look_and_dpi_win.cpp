#include <array>

#include "app/module_factory_win.h"
#include "support/ui_session_win.h"
#include "ui/panel_win.h"
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
        EnumChildWindows(
            window->Handle(),
            [](HWND child, LPARAM out) {
                if (const auto font = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0))) {
                    LOGFONTW info{};
                    GetObjectW(font, sizeof(info), &info);
                    reinterpret_cast<std::vector<LONG>*>(out)->push_back(std::abs(info.lfHeight));
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&heights));
        return heights;
    };
    auto iconWidth = [](HICON icon) {
        ICONINFO info{};
        if (!GetIconInfo(icon, &info)) return 0L;
        BITMAP bitmap{};
        GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        return bitmap.bmWidth;
    };
    ASSERT_EQ(ui::WindowDpi(window->Handle()), 96);
    const auto before = fontHeights();
    ASSERT_GT(before.size(), 5u);
    EXPECT_EQ(iconWidth(window->Tasks().ItemIcon(0)), 16);

    RECT frame;
    GetWindowRect(window->Handle(), &frame);
    RECT suggested{frame.left, frame.top, frame.left + (frame.right - frame.left) * 3 / 2,
                   frame.top + (frame.bottom - frame.top) * 3 / 2};
    SendMessageW(window->Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    Settle();

    EXPECT_EQ(ui::WindowDpi(window->Tasks().Handle()), 144);
    const auto after = fontHeights();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) EXPECT_EQ(after[i] * 2, before[i] * 3) << "child " << i;
    for (int item = 0; item < 3; ++item) EXPECT_EQ(iconWidth(window->Tasks().ItemIcon(item)), 24) << "task " << item;
    EXPECT_EQ(iconWidth(window->Page(2)->Icon()), 24);
    RECT client;
    GetClientRect(window->Page(2)->Handle(), &client);
    EXPECT_GT(client.right, MulDiv(590, 144, 96) - 40);  // laid out again at the new size
}

}  // namespace
}  // namespace tw
