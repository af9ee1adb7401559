#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "services/fixed_answer_prompter.h"
#include "app/module_factory_win.h"
#include "platform/memory/memory_platform.h"
#include "platform/win32/win32_platform.h"
#include "privacy/privacy_window_win.h"
#include "controls_demo_win.h"
#include "demo_cache.h"
#include "drive_demo_win.h"
#include "history_cleaner/history_window_win.h"
#include "internet_tuner/internet_window_win.h"
#include "registry_demo_win.h"
#include "row_view_demo_win.h"
#include "registry_cleaner/registry_window_win.h"
#include "suite/about_win.h"
#include "suite/artwork_win.h"
#include "suite/launcher_win.h"
#include "startup_manager/startup_window_win.h"
#include "ui/message_loop_win.h"
#include "ui/pickers_win.h"
#include "ui/prompter_win.h"
#include "ui/theme_win.h"

// Shows one window of the product on a memory machine and prints its
// screen rectangle, so a script can take a picture of it:
//   tidewell_screens launcher | about | rowview | controls | tool N [PAGE]
//                    | registry-scan | registry-mixed | registry-backups | privacy-mixed | history-mixed | internet PAGE [TAB]
//                    | registry-menu | backups-menu (the page with its context menu open)
//                    | startup | startup-add | startup-edit (on the demo prefix's own entries)
//                    | startup-backups
//                    | drive-drives | drive-search | drive-options | drive-add (on this machine's drives)
// "bench" instead prints how long the launcher took from the program's
// entry to its first complete paint, and exits; "bench-tool" then also opens
// a tool window and prints how long it took to appear painted.
namespace {

void PrintRect(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    std::printf("window %ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    std::fflush(stdout);
}

// TW_HIGH_CONTRAST=1: the pictures show High Contrast Black, as Windows 10
// ships it. Wine cannot switch high contrast on, so the palette is told.
void ApplyContrastFromEnvironment() {
    if (!_wgetenv(L"TW_HIGH_CONTRAST")) return;
    const int slots[] = {COLOR_WINDOW,   COLOR_WINDOWTEXT, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT,
                         COLOR_BTNFACE,  COLOR_BTNTEXT,    COLOR_GRAYTEXT,  COLOR_HOTLIGHT};
    const COLORREF black[] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(26, 235, 255), RGB(0, 0, 0),
                              RGB(0, 0, 0), RGB(255, 255, 255), RGB(63, 242, 63),  RGB(255, 255, 0)};
    SetSysColors(8, slots, black);
    tw::ui::SetHighContrastSource([] { return true; });
    tw::ui::ReloadPalette();
}

// TW_DPI_CHANGE=144: the tool window as it is after a move to a monitor of
// that DPI.
void ApplyDpiChangeFromEnvironment(HWND window) {
    const wchar_t* value = _wgetenv(L"TW_DPI_CHANGE");
    if (!value) return;
    const int dpi = _wtoi(value);
    RECT r;
    GetWindowRect(window, &r);
    RECT suggested{0, 0, MulDiv(r.right - r.left, dpi, 96), MulDiv(r.bottom - r.top, dpi, 96)};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

HWND g_reportLater = nullptr;

// The Privacy Protector after a run with four items unticked: both statuses
// and their pictures side by side.
std::unique_ptr<tw::TfrmPrivacy> PrivacyAfterRun(tw::SuiteContext& context) {
    for (const char* item : {"Windows Registry Streams", "Swap File", "MS Paint Recent Documents"})
        context.settings.WriteString(tw::SettingsStore::kPrivacy, item, "0");
    auto window = std::make_unique<tw::TfrmPrivacy>(context);
    window->Open(tw::TfrmPrivacy::kCleanPage);
    window->RunPrivacyClean();
    return window;
}

// For windows placed when they are shown (the About box centres itself).
void CALLBACK ReportLater(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    PrintRect(g_reportLater);
}

}  // namespace

double MillisecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    LARGE_INTEGER entry;
    QueryPerformanceCounter(&entry);
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const std::wstring mode = argc > 1 ? argv[1] : L"launcher";
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    tw::ArtworkSession artwork;
    tw::MemoryPlatform machine;
    tw::SettingsStore settings(machine.registry);
    tw::ui::MessageBoxPrompter prompter;
    tw::ui::DialogPickers pickers;
    tw::SeededRandom random(1);
    ApplyContrastFromEnvironment();
    tw::SuiteContext context{machine.Bundle(), settings, prompter, pickers, random, nullptr};

    // The Startup Manager's pages show the demo prefix itself.
    tw::Win32Platform real;
    tw::SuiteContext realContext{real.Bundle(), settings, prompter, pickers, random, nullptr};

    tw::FixedAnswerPrompter agreeing(true);  // every question OK, for a picture taken after a run
    tw::SuiteContext agreeingContext{machine.Bundle(), settings, agreeing, pickers, random, nullptr};

    tw::TfrmAbout about(context);
    tw::TfrmMain launcher(context, tw::CreateModuleWindow, nullptr);
    std::unique_ptr<tw::ui::Window> demo;
    std::unique_ptr<tw::RegistryDemo> registryDemo;
    std::unique_ptr<tw::DriveDemo> driveDemo;
    if (mode == L"bench" || mode == L"bench-tool") {
        launcher.Show();  // paints synchronously (UpdateWindow)
        GdiFlush();
        std::printf("launcher painted %.1f ms after entry", MillisecondsSince(entry));
        if (mode == L"bench") {
            std::printf("\n");
            return 0;
        }
        LARGE_INTEGER click;
        QueryPerformanceCounter(&click);
        launcher.OpenModule(tw::Tool::DriveCleaner);
        RedrawWindow(launcher.OpenModuleWindow()->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        GdiFlush();
        std::printf("; a tool window opened and painted %.1f ms after the click\n", MillisecondsSince(click));
        return 0;
    }
    if (mode == L"launcher") {
        launcher.Show();
        PrintRect(launcher.Handle());
    } else if (mode == L"about") {
        launcher.Show();
        g_reportLater = about.Handle();
        SetTimer(nullptr, 0, 200, ReportLater);
        about.ShowModal(launcher.Handle());
        return 0;
    } else if (mode == L"rowview") {
        demo = tw::CreateRowViewDemo();
        PrintRect(demo->Handle());
    } else if (mode == L"controls") {
        demo = tw::CreateControlsDemo();
        PrintRect(demo->Handle());
    } else if (mode == L"registry-scan" || mode == L"registry-mixed" || mode == L"registry-menu") {
        registryDemo = std::make_unique<tw::RegistryDemo>(context, mode != L"registry-scan");
        PrintRect(registryDemo->Handle());
        if (mode == L"registry-menu") registryDemo->PostContextMenu();
    } else if (mode == L"registry-backups" || mode == L"backups-menu") {
        tw::AddDemoBackups(machine);
        launcher.OpenModule(tw::Tool::RegistryCleaner);
        auto& window = static_cast<tw::TfrmRegistry&>(*launcher.OpenModuleWindow());
        window.BringToFront(tw::TfrmRegistry::kBackupsPage);
        PrintRect(window.Handle());
        if (mode == L"backups-menu") {
            auto& files = *window.BackupsControls().files;
            files.Select({1, std::nullopt});
            PostMessageW(files.Handle(), WM_CONTEXTMENU, 0, -1);
        }
    } else if (mode == L"privacy-mixed") {
        demo = PrivacyAfterRun(agreeingContext);
        PrintRect(demo->Handle());
    } else if (mode == L"history-mixed") {
        // The demo cache listed, its files opened, two of them unticked.
        for (const tw::NewCacheEntry& entry : tw::DemoCacheEntries()) machine.urlCache.Add(tw::AsListed(entry));
        launcher.OpenModule(tw::Tool::HistoryCleaner);
        auto& history = dynamic_cast<tw::TfrmHistory&>(*launcher.OpenModuleWindow());
        history.BringToFront(tw::TfrmHistory::kCachePage);
        history.Controls().start->Click();
        auto& tree = *history.Controls().tree;
        tree.Expand(tw::kTemporaryGroup, true);
        for (std::size_t entry : {1, 4}) history.Cleaner().Tree().Checks().SetChild(tw::kTemporaryGroup, entry, false);
        tree.Select({tw::kTemporaryGroup, 2});
        tree.Refresh();
        PrintRect(history.Handle());
    } else if (mode == L"internet" && argc > 2) {
        // The Internet Tuner on the demo values, a page and a tab of "Advanced".
        tw::ImportRegFile(machine.registry, tw::DemoFile(L"internet-settings.reg"));
        tw::AddDemoBackups(machine, tw::kInternetBackups);
        launcher.OpenModule(tw::Tool::InternetTuner);
        auto* tuner = dynamic_cast<tw::TfrmInternet*>(launcher.OpenModuleWindow());
        tuner->BringToFront(_wtoi(argv[2]));
        if (argc > 3) tuner->Advanced().tabs->Select(static_cast<std::size_t>(_wtoi(argv[3])));
        PrintRect(tuner->Handle());
    } else if (mode == L"startup-backups") {
        tw::AddDemoBackups(machine, tw::kStartupBackups);
        machine.files.AddFile(machine.files.ExecutableFolder() + std::string(tw::kStartupBackups) +
                                  "\\08-December-2026 - 11.20.31 AM.lnkbackup", "");
        launcher.OpenModule(tw::Tool::StartupManager);
        auto& window = static_cast<tw::TfrmStartup&>(*launcher.OpenModuleWindow());
        window.BringToFront(tw::TfrmStartup::kBackupsPage);
        window.Backups().GetControls().files->Select({1, std::nullopt});
        PrintRect(window.Handle());
    } else if (mode == L"startup" || mode == L"startup-add" || mode == L"startup-edit") {
        // The demo prefix's own entries and shortcuts, as `make run` shows
        // them (scripts/demo/startup-entries.sh), with the real shell's icons.
        auto startup = std::make_unique<tw::TfrmStartup>(realContext);
        tw::TfrmStartup* window = startup.get();
        demo = std::move(startup);
        window->Open(tw::TfrmStartup::kListPage);
        if (mode == L"startup") {
            PrintRect(window->Handle());
        } else {
            tw::ui::Dialog::SetShowHook([](tw::ui::Dialog& shown) { PrintRect(shown.Handle()); });
            window->ListControls().list->Select({1, std::nullopt});
            if (mode == L"startup-add")
                window->AddEntry();
            else
                window->EditSelected();
            return 0;
        }
    } else if (mode == L"drive-drives" || mode == L"drive-search" || mode == L"drive-options" || mode == L"drive-add") {
        using View = tw::DriveDemo::View;
        const View view = mode == L"drive-drives"   ? View::Drives
                          : mode == L"drive-search" ? View::Search
                          : mode == L"drive-add"    ? View::Add
                                                    : View::Options;
        driveDemo = std::make_unique<tw::DriveDemo>(context, view);
        if (view != View::Add) {
            PrintRect(driveDemo->Handle());
        } else {
            tw::ui::Dialog::SetShowHook([](tw::ui::Dialog& shown) { PrintRect(shown.Handle()); });
            driveDemo->RunAddDialog();
            return 0;
        }
    } else if (mode == L"tool" && argc > 2) {
        launcher.OpenModule(static_cast<tw::Tool>(_wtoi(argv[2])));
        if (argc > 3) launcher.OpenModuleWindow()->BringToFront(_wtoi(argv[3]));
        ApplyDpiChangeFromEnvironment(launcher.OpenModuleWindow()->Handle());
        PrintRect(launcher.OpenModuleWindow()->Handle());
    }
    return tw::ui::RunMessageLoop();
}
