#include "internet_tuner/internet_window_win.h"

#include <array>
#include <span>

namespace tw {
namespace {

constexpr int kGroupTop = 78;
constexpr int kChoiceGroupHeight = 112;

// A tab page is as large as the tabs' display area; its parts keep to its
// edges (96-DPI units).
SIZE DesignSize(HWND page) {
    RECT r;
    GetClientRect(page, &r);
    const int dpi = ui::WindowDpi(page);
    return {MulDiv(r.right, 96, dpi), MulDiv(r.bottom, 96, dpi)};
}

TfrmInternet::ChoiceControls BuildChoiceGroup(ui::Panel& page, int width, std::string_view caption,
                                              std::span<const ListEntry> entries, int minimum, int maximum,
                                              int value, std::string_view unit = {}) {
    TfrmInternet::ChoiceControls c;
    c.group = std::make_unique<ui::GroupPanel>(
        page.At(12, kGroupTop, width - 12, kGroupTop + kChoiceGroupHeight, ui::kAnchorTopStretch), caption);
    ui::GroupPanel& g = *c.group;
    c.choices = std::make_unique<ui::RadioGroup>();
    c.choices->Add(g.At(16, 22, 200, 44), "Windows Default");
    c.choices->Add(g.At(16, 50, 200, 72), "Use Predefined Values");
    c.choices->Add(g.At(16, 78, 200, 100), "Use Custom Values");
    c.list = std::make_unique<ui::ComboList>(g.At(210, 50, 330, 72));
    for (const ListEntry& entry : entries) c.list->Add(entry.text);
    c.list->Select(0);
    c.box = ui::Make<ui::NumberBox>(g.At(210, 78, 310, 100), {.minimum = minimum, .maximum = maximum, .value = value});
    if (!unit.empty()) c.unit = ui::Make<ui::Label>(g.At(318, 81, 380, 100), {.text = unit});
    c.choices->Bind(1, *c.list);
    c.choices->Bind(2, *c.box);
    c.choices->Select(0);
    return c;
}

// Under the choice group: a group of check boxes or of connection limits.
std::unique_ptr<ui::GroupPanel> OptionsGroup(ui::Panel& page, int width, std::string_view caption, int height) {
    constexpr int top = kGroupTop + kChoiceGroupHeight + 10;
    return std::make_unique<ui::GroupPanel>(page.At(12, top, width - 12, top + height, ui::kAnchorTopStretch),
                                            caption);
}

std::unique_ptr<ui::CheckBox> Box(ui::GroupPanel& group, int row, std::string_view caption) {
    return ui::Make<ui::CheckBox>(group.At(16, 22 + row * 26, 400, 44 + row * 26), {.caption = caption});
}

// Windows Vista and later tune the receive window themselves.
bool TunesReceiveWindowItself(const System& system) {
    const auto version = system.Version();
    return version && version->platformId == 2 && version->major >= 6;
}

void ShowChoice(TfrmInternet::ChoiceControls& c, const ChoiceGroup& group) {
    c.list->Select(static_cast<std::size_t>(group.entry));
    if (const auto number = ParseWholeNumber(group.customText)) c.box->SetValue(*number);
    c.choices->Select(static_cast<std::size_t>(group.choice));
}

ChoiceGroup ChosenChoice(const TfrmInternet::ChoiceControls& c) {
    return {static_cast<Choice>(c.choices->Selected()), static_cast<int>(c.list->Selected().value_or(0)),
            std::to_string(c.box->Value())};
}

// What the four tabs share in shape: a text, a choice group and a group
// below it.
struct TabContent {
    std::string_view caption, text, choiceCaption;
    std::span<const ListEntry> entries;
    int minimum, maximum, value;
    std::string_view unit, optionsCaption;
    int optionsHeight;
};

const std::array<TabContent, TfrmInternet::kTabCount> kTabs{{
    {"MTU",
     "MTU  (Maximum Transmission Unit) is maximum size of a packet that can be transferred over network. MTU can be "
     "1500 at most for any internet connection. Larger values are suggested for connections with higher bandwidth.",
     "MTU", kMtuEntries, 50, 9999, 50, {}, "PMTU Options", 82},
    {"TCP/IP",
     "RWIN (TCP Receive Window Size) represents the size of the data (in bytes) a sender may transmit without "
     "receiving an acknowledgement. Even multiples of MSS should be used for better throughput (MSS=MTU-40).",
     "TCP Window Size (RWIN)", kReceiveWindowEntries, 50, 999999, 50, {}, "RWIN Options", 82},
    {"Internet Explorer Settings",
     "Maximum Connections Per Server gives the number of simultaneous connections to a server. Default value is 4 "
     "for HTTP 1.0, 2 for HTTP 1.1 connections. You can increase the number of simultaneous downloads from a web "
     "site by changing these values.",
     "Session Keep Alive Time", kKeepAliveEntries, 1, 600, 1, "min.", "Maximum Connections Per Server ", 82},
    {"Network Settings",
     "An internet packet is discarded after passing a specified number of routers if it does not reach to its "
     "destination. This specified number is called TTL (Time To Live). Default value for TTL was 64 in Windows 95. "
     "However, due to growth of internet, suggested value is 128 today.",
     "TTL", kTtlEntries, 1, 255, 64, {}, "Max DupAcks", 56},
}};

}  // namespace

void TfrmInternet::BuildTab(Tab tab) {
    const TabContent& content = kTabs[tab];
    ui::Panel& page = advanced_.tabs->AddPage(content.caption);
    const SIZE size = DesignSize(page.Handle());
    TabControls& t = advanced_.tab[tab];
    t.text = ui::Make<ui::Label>(page.At(12, 10, size.cx - 12, 72, ui::kAnchorTopStretch), {.text = content.text});
    t.choice = BuildChoiceGroup(page, size.cx, content.choiceCaption, content.entries, content.minimum, content.maximum,
                                content.value, content.unit);
    t.options = OptionsGroup(page, size.cx, content.optionsCaption, content.optionsHeight);
    t.help =
        ui::Make<ui::Button>(page.At(size.cx - 196, size.cy - 38, size.cx - 110, size.cy - 12, ui::kAnchorBottomRight),
                             {.caption = "&Help"});
    t.apply = ui::Make<ui::Button>(
        page.At(size.cx - 98, size.cy - 38, size.cx - 12, size.cy - 12, ui::kAnchorBottomRight), {.caption = "&Apply"});
    t.help->onClick = [this] { ShowHelp("internet4"); };
    t.apply->onClick = [this] { tuner_.ApplyAdvanced(ChosenSettings()); };
}

void TfrmInternet::BuildAdvancedPage() {
    ui::Panel& page = AddPage(kAdvancedPage, "Advanced");
    auto& a = advanced_;
    a.tabs = std::make_unique<ui::TabControl>(page.At(16, page.ContentTop() + 12, 574, 526, ui::kAnchorFill));
    for (int tab = 0; tab < kTabCount; ++tab) BuildTab(static_cast<Tab>(tab));

    a.pathMtuDiscovery = Box(*a.tab[kMtuTab].options, 0, "Path MTU Auto Discovey");
    a.blackHoleDetection = Box(*a.tab[kMtuTab].options, 1, "Path MTU Black Hole Detection");
    a.windowScaling = Box(*a.tab[kTcpIpTab].options, 0, "Allow TCP Receive Window Scaling");
    a.selectiveAcks = Box(*a.tab[kTcpIpTab].options, 1, "Allow Selective Acknowledgements");
    ui::GroupPanel& limits = *a.tab[kExplorerTab].options;
    a.connections10Label =
        ui::Make<ui::Label>(limits.At(16, 25, 250, 44), {.text = "Maximum Connections for HTTP 1.0 :"});
    a.connections10 = ui::Make<ui::NumberBox>(limits.At(260, 22, 330, 44), {.minimum = 1, .maximum = 64, .value = 4});
    a.connections11Label =
        ui::Make<ui::Label>(limits.At(16, 51, 250, 70), {.text = "Maximum Connections for HTTP 1.1 :"});
    a.connections11 = ui::Make<ui::NumberBox>(limits.At(260, 48, 330, 70), {.minimum = 1, .maximum = 64, .value = 2});
    a.duplicateAcks = Box(*a.tab[kNetworkTab].options, 0, "Allow TCP Max DupAcks");

    // Values Windows has stopped reading are still written and backed up,
    // but the page says so rather than let the user tune them blindly.
    if (!TunesReceiveWindowItself(Context().platform.system)) return;
    const auto note = [&](Tab tab, std::string_view text) {
        ui::Panel& tabPage = a.tabs->Page(tab);
        const int width = DesignSize(tabPage.Handle()).cx;
        a.tab[tab].note =
            ui::Make<ui::Label>(tabPage.At(12, 290, width - 12, 340, ui::kAnchorTopStretch), {.text = text});
    };
    note(kTcpIpTab,
         "This version of Windows tunes the receive window by itself and no longer reads \"TcpWindowSize\" "
         "(deprecated since Windows Vista). The value is still written and backed up.");
    note(kExplorerTab, "The connection limits apply to programs that use the system's Internet functions.");
}

AdvancedSettings TfrmInternet::ChosenSettings() const {
    const auto& a = advanced_;
    AdvancedSettings s;
    s.mtu = ChosenChoice(a.tab[kMtuTab].choice);
    s.receiveWindow = ChosenChoice(a.tab[kTcpIpTab].choice);
    s.keepAlive = ChosenChoice(a.tab[kExplorerTab].choice);
    s.ttl = ChosenChoice(a.tab[kNetworkTab].choice);
    s.pathMtuDiscovery = a.pathMtuDiscovery->Checked();
    s.blackHoleDetection = a.blackHoleDetection->Checked();
    s.windowScaling = a.windowScaling->Checked();
    s.selectiveAcks = a.selectiveAcks->Checked();
    s.duplicateAcks = a.duplicateAcks->Checked();
    s.connections10 = std::to_string(a.connections10->Value());
    s.connections11 = std::to_string(a.connections11->Value());
    return s;
}

void TfrmInternet::ShowSettings(const AdvancedSettings& s) {
    auto& a = advanced_;
    ShowChoice(a.tab[kMtuTab].choice, s.mtu);
    ShowChoice(a.tab[kTcpIpTab].choice, s.receiveWindow);
    ShowChoice(a.tab[kExplorerTab].choice, s.keepAlive);
    ShowChoice(a.tab[kNetworkTab].choice, s.ttl);
    a.pathMtuDiscovery->SetChecked(s.pathMtuDiscovery);
    a.blackHoleDetection->SetChecked(s.blackHoleDetection);
    a.windowScaling->SetChecked(s.windowScaling);
    a.selectiveAcks->SetChecked(s.selectiveAcks);
    a.duplicateAcks->SetChecked(s.duplicateAcks);
    if (const auto n = ParseWholeNumber(s.connections10)) a.connections10->SetValue(*n);
    if (const auto n = ParseWholeNumber(s.connections11)) a.connections11->SetValue(*n);
}

}  // namespace tw
