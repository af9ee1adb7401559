#include <array>
#include <initializer_list>
#include <string>

#include "support/client_snapshot_win.h"
#include "support/common_controls6_win.h"
#include "support/host_window_win.h"
#include "support/ui_session_win.h"
#include "ui/combo_list_win.h"
#include "ui/group_panel_win.h"
#include "ui/icon_button_win.h"
#include "ui/message_loop_win.h"
#include "ui/number_box_win.h"
#include "ui/radio_group_win.h"
#include "ui/tab_control_win.h"
#include "ui/wide_win.h"

namespace tw {
namespace {

using ControlsTest = UiTest;

RECT ClientRect(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    return r;
}

// The window's rectangle within its parent's client area.
RECT PlacedRect(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void ClickAt(HWND hwnd, POINT p) {
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
}

void Resize(HostWindow& host, int width, int height) {
    MoveWindow(host.Handle(), 0, 0, width, height, TRUE);
    MoveWindow(host.panel->Handle(), 0, 0, width, height, TRUE);
}

TEST_F(ControlsTest, ATabShowsItsOwnPageAloneAndPagesAnchorInsideIt) {
    HostWindow host(500, 400);
    ui::TabControl tabs(host.panel->At(10, 10, 490, 390, ui::kAnchorFill));
    std::array<ui::Panel*, 4> pages{};
    std::array<std::unique_ptr<ui::Button>, 4> applies;
    const std::array<const char*, 4> captions{"MTU", "TCP/IP", "Internet Explorer Settings", "Network Settings"};
    for (std::size_t i = 0; i < pages.size(); ++i) {
        pages[i] = &tabs.AddPage(captions[i]);
        RECT design = ClientRect(pages[i]->Handle());
        design.left = MulDiv(design.right, 96, ui::WindowDpi(host.Handle())) - 90;
        applies[i] = ui::Make<ui::Button>(pages[i]->At(design.left, 10, design.left + 80, 33, ui::kAnchorBottomRight),
                                          {.caption = "&Apply"});
    }
    int changes = 0;
    tabs.onChange = [&] { ++changes; };
    auto shownPages = [&] {
        std::string shown;
        for (std::size_t i = 0; i < pages.size(); ++i)
            if (IsWindowVisible(pages[i]->Handle())) shown += std::to_string(i);
        return shown;
    };
    EXPECT_EQ(shownPages(), "0");

    // A click on a tab, then the arrow keys on the focused tabs.
    RECT third{};
    TabCtrl_GetItemRect(tabs.Handle(), 2, &third);
    ClickAt(tabs.Handle(), {(third.left + third.right) / 2, (third.top + third.bottom) / 2});
    EXPECT_EQ(tabs.Selected(), 2u);
    EXPECT_EQ(shownPages(), "2");
    SetFocus(tabs.Handle());
    SendMessageW(tabs.Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(shownPages(), "3");
    EXPECT_EQ(changes, 2);
    tabs.Select(0);
    EXPECT_EQ(shownPages(), "0");
    EXPECT_EQ(changes, 2);

    // The page fills the tabs' display area, and follows it with its controls.
    RECT area = ClientRect(tabs.Handle());
    TabCtrl_AdjustRect(tabs.Handle(), FALSE, &area);
    EXPECT_EQ(PlacedRect(pages[0]->Handle()).right, area.right);
    const RECT before = PlacedRect(applies[0]->Handle());
    Resize(host, 600, 450);
    area = ClientRect(tabs.Handle());
    TabCtrl_AdjustRect(tabs.Handle(), FALSE, &area);
    EXPECT_EQ(PlacedRect(pages[3]->Handle()).bottom, area.bottom);
    const RECT after = PlacedRect(applies[0]->Handle());
    EXPECT_EQ(after.left - before.left, 100);
    EXPECT_EQ(after.top - before.top, 50);
}

// The keys the message loop gets with Ctrl (and Shift) held down.
void PressWith(std::initializer_list<int> held, WPARAM key) {
    BYTE state[256] = {};
    for (const int k : held) state[k] = 0x80;
    SetKeyboardState(state);
    MSG msg{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
    ui::ProcessMessage(msg);
    const BYTE released[256] = {};
    SetKeyboardState(const_cast<BYTE*>(released));
}

TEST_F(ControlsTest, CtrlTabAndCtrlPageKeysStepThroughTheTabsFromInsideAPage) {
    HostWindow host(500, 400);
    ui::TabControl tabs(host.panel->At(10, 10, 490, 390, ui::kAnchorFill));
    std::array<std::unique_ptr<ui::CheckBox>, 3> boxes;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i] = ui::Make<ui::CheckBox>(tabs.AddPage("Tab").At(10, 10, 200, 30), {.caption = "Option"});
    int changes = 0;
    tabs.onChange = [&] { ++changes; };
    SetFocus(boxes[0]->Handle());

    struct Case {
        std::initializer_list<int> held;
        WPARAM key;
        std::size_t selected;
    };
    const Case cases[] = {{{VK_CONTROL}, VK_TAB, 1},           {{VK_CONTROL}, VK_NEXT, 2},
                          {{VK_CONTROL}, VK_NEXT, 0},          {{VK_CONTROL, VK_SHIFT}, VK_TAB, 2},
                          {{VK_CONTROL}, VK_PRIOR, 1},         {{}, VK_TAB, 1}};
    int expectedChanges = 0;
    for (const auto& [held, key, selected] : cases) {
        const bool steps = held.size() > 0;
        PressWith(held, key);
        expectedChanges += steps;
        EXPECT_EQ(tabs.Selected(), selected) << key;
        EXPECT_TRUE(IsWindowVisible(tabs.Page(selected).Handle())) << key;
        EXPECT_EQ(changes, expectedChanges) << key;
        // The keys go on working: the focus never stays on a hidden page.
        EXPECT_TRUE(IsWindowVisible(GetFocus())) << key;
    }
}

TEST_F(ControlsTest, TheDropDownListKeepsItsOrderAndSelectionAndTakesNoTyping) {
    HostWindow host;
    const std::array<std::string_view, 7> entries{"MSS * 4", "MSS * 5", "MSS * 6", "MSS * 7",
                                                  "MSS * 8", "MSS * 9", "MSS * 10"};
    ui::ComboList list(host.panel->At(10, 10, 200, 32), {entries[0], entries[1], entries[2], entries[3], entries[4],
                                                         entries[5], entries[6]});
    int changes = 0;
    list.onChange = [&] { ++changes; };
    ASSERT_EQ(list.Count(), entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) EXPECT_EQ(list.Entry(i), entries[i]);
    EXPECT_EQ(list.Selected(), 0u);
    EXPECT_EQ(list.Text(), "MSS * 4");

    // There is no field to type into: a letter only moves among the entries.
    EXPECT_EQ(FindWindowExW(list.Handle(), nullptr, L"Edit", nullptr), nullptr);
    SetFocus(list.Handle());
    SendMessageW(list.Handle(), WM_CHAR, 'x', 0);
    EXPECT_EQ(list.Text(), "MSS * 4");

    SendMessageW(list.Handle(), WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(list.Selected(), 6u);
    EXPECT_EQ(list.Text(), "MSS * 10");
    EXPECT_EQ(changes, 1);
    list.Select(2);
    EXPECT_EQ(list.Text(), "MSS * 6");
    EXPECT_EQ(changes, 1);
}

TEST_F(ControlsTest, TheNumberBoxTakesDigitsOnlyAndClampsWhatIsTypedOnLeaving) {
    HostWindow host;
    ui::NumberBox box(host.panel->At(10, 10, 100, 32), {.minimum = 50, .maximum = 9999, .value = 50});
    ui::Button other(host.panel->At(10, 50, 100, 73), {.caption = "Other"});
    int changes = 0;
    box.onChange = [&] { ++changes; };
    auto type = [&](const wchar_t* text) {
        SetFocus(box.Handle());
        SendMessageW(box.Handle(), EM_SETSEL, 0, -1);
        SendMessageW(box.Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
    };
    auto leave = [&] { SetFocus(other.Handle()); };

    // Typed letters and pasted text with anything but digits are refused.
    type(L"1234");
    SendMessageW(box.Handle(), WM_CHAR, 'a', 0);
    EXPECT_EQ(box.Text(), "1234");
    type(L"12a");
    EXPECT_EQ(box.Text(), "1234");
    type(L"-7");
    EXPECT_EQ(box.Text(), "1234");
    EXPECT_EQ(changes, 1);

    struct Case {
        const wchar_t* typed;
        int value;
    };
    for (const auto& [typed, value] : {Case{L"20", 50}, Case{L"", 50}, Case{L"9999", 9999}, Case{L"0600", 600}}) {
        type(typed);
        leave();
        EXPECT_EQ(box.Text(), std::to_string(value)) << ui::Narrow(typed);
        EXPECT_EQ(box.Value(), value);
    }
    SetWindowTextW(box.Handle(), L"123456");  // longer than the box lets anyone type
    EXPECT_EQ(box.Value(), 9999);

    // A number set in code, as a stored one is, stays as it is even outside
    // the range until the user changes it: focus passing through keeps it.
    for (const int stored : {10, 123456}) {
        box.SetValue(stored);
        SetFocus(box.Handle());
        leave();
        EXPECT_EQ(box.Text(), std::to_string(stored));
        EXPECT_EQ(box.Value(), stored);
    }
    type(L"12");
    leave();
    EXPECT_EQ(box.Value(), 50);

    // The arrows step within the range; disabling the box disables them too.
    const int before = changes;
    box.SetValue(9998);
    EXPECT_EQ(changes, before);
    const HWND arrows = GetWindow(box.Handle(), GW_HWNDNEXT);
    const RECT r = ClientRect(arrows);
    ClickAt(arrows, {r.right / 2, 2});
    EXPECT_EQ(box.Value(), 9999);
    EXPECT_EQ(changes, before + 1);
    ClickAt(arrows, {r.right / 2, 2});
    EXPECT_EQ(box.Value(), 9999);
    box.Enable(false);
    EXPECT_FALSE(IsWindowEnabled(arrows));
}

// The Internet Tuner's choice group: a default, a list and a custom number.
TEST_F(ControlsTest, ARadioGroupEnablesTheFieldsOfTheSelectedChoiceOnly) {
    HostWindow host;
    ui::GroupPanel group(host.panel->At(10, 10, 390, 130, ui::kAnchorTopStretch), "MTU");
    ui::RadioGroup choices;
    choices.Add(group.At(10, 20, 200, 40), "Windows Default");
    choices.Add(group.At(10, 45, 200, 65), "Use Predefined Values");
    ui::ComboList list(group.At(210, 45, 300, 67), {"576", "1480", "1492", "1500"});
    choices.Add(group.At(10, 75, 200, 95), "Use Custom Values");
    ui::NumberBox box(group.At(210, 75, 300, 97), {.minimum = 50, .maximum = 9999, .value = 50});
    choices.Bind(1, list);
    choices.Bind(2, box);
    int changes = 0;
    choices.onChange = [&] { ++changes; };
    const HWND arrows = GetWindow(box.Handle(), GW_HWNDNEXT);
    auto enabled = [&] {
        return std::string(list.Enabled() ? "list" : "-") + (box.Enabled() ? "+box" : "+-") +
               (IsWindowEnabled(arrows) ? "+arrows" : "+-");
    };
    EXPECT_EQ(choices.Selected(), 0u);
    EXPECT_TRUE(choices.Button(0).Checked());
    EXPECT_EQ(enabled(), "-+-+-");

    struct Case {
        std::size_t click;
        const char* enabled;
    };
    for (const auto& [click, expected] : {Case{1, "list+-+-"}, Case{2, "-+box+arrows"}, Case{0, "-+-+-"}}) {
        SendMessageW(choices.Button(click).Handle(), BM_CLICK, 0, 0);
        EXPECT_EQ(choices.Selected(), click);
        EXPECT_EQ(enabled(), expected) << click;
        for (std::size_t i = 0; i < choices.Count(); ++i) EXPECT_EQ(choices.Button(i).Checked(), i == click);
    }
    EXPECT_EQ(changes, 3);
    choices.Select(2);  // as settings read at start select a choice
    EXPECT_EQ(enabled(), "-+box+arrows");
    EXPECT_EQ(changes, 3);

    // The group stretches with its page, and its frame with it.
    Resize(host, 500, 300);
    EXPECT_EQ(ClientRect(group.Handle()).right, 480);
    EXPECT_EQ(ClientRect(group.Frame().Handle()).right, 480);
}

// The program's group boxes, themed as in the program: the caption stands
// in a gap of the frame's top line, clear of it (the line once ran into
// the last stroke of "MTU" and covered it).
TEST_F(ControlsTest, AGroupCaptionStandsWholeInAGapOfItsFrame) {
    HostWindow host;
    const CommonControls6Scope program;
    ASSERT_TRUE(program.Active());
    for (const char* caption : {"MTU", "Connection Type", "Wiping Algorithm"}) {
        ui::GroupPanel group(host.panel->At(10, 10, 390, 130, ui::kAnchorTopStretch), caption);
        const ClientSnapshot shot(group.Frame().Handle(), WHITE_BRUSH);
        const int right = shot.Width() - 20, band = shot.Height() / 3;
        int line = 0;
        while (line < band && shot.At(right, line) == RGB(255, 255, 255)) ++line;
        ASSERT_LT(line, band) << caption;
        int gapEnd = right, ink = 0;
        while (gapEnd > 0 && shot.At(gapEnd - 1, line) == shot.At(right, line)) --gapEnd;
        for (int y = 0; y < line; ++y)
            for (int x = 0; x < gapEnd; ++x) ink += shot.At(x, y) != RGB(255, 255, 255);
        EXPECT_GT(ink, 0) << caption;
        EXPECT_EQ(shot.At(gapEnd - 1, line), RGB(255, 255, 255)) << caption;
    }
}

TEST_F(ControlsTest, AStartButtonBecomesAStopButtonWithItsPicture) {
    HostWindow host;
    const CommonControls6Scope program;  // only its buttons draw a picture beside the caption
    ASSERT_TRUE(program.Active());
    const HICON start = LoadIconW(nullptr, IDI_INFORMATION), stop = LoadIconW(nullptr, IDI_ERROR);
    ui::IconButton button(host.panel->At(10, 10, 110, 40), {.caption = "&Start", .icon = start});
    int clicks = 0;
    button.onClick = [&] { ++clicks; };
    EXPECT_EQ(button.Icon(), start);
    button.SetFace("&Stop", stop);
    EXPECT_EQ(button.Text(), "&Stop");
    EXPECT_EQ(button.Icon(), stop);
    SendMessageW(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace tw
