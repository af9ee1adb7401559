#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "app/module_factory_win.h"
#include "platform/memory/memory_platform.h"
#include "controls_demo_win.h"
#include "registry_demo_win.h"
#include "row_view_demo_win.h"
#include "shell/about_win.h"
#include "shell/artwork_win.h"
#include "shell/launcher_win.h"
#include "startup_manager/startup_window_win.h"
#include "ui/message_loop_win.h"
#include "ui/pickers_win.h"
#include "ui/prompter_win.h"

// Shows one window of the product on a memory machine and prints its
// screen rectangle, so a script can take a picture of it:
//   tidewell_screens launcher | about | rowview | controls | tool N [PAGE]
//                    | registry-scan | registry-mixed | registry-backups
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

HWND g_reportLater = nullptr;

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
    tw::ShellContext context{machine.Bundle(), settings, prompter, pickers, random, nullptr};

    tw::TfrmAbout about(context);
    tw::TfrmMain launcher(context, tw::CreateModuleWindow, nullptr);
    std::unique_ptr<tw::ui::Window> demo;
    std::unique_ptr<tw::RegistryDemo> registryDemo;
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
    } else if (mode == L"registry-scan" || mode == L"registry-mixed") {
        registryDemo = std::make_unique<tw::RegistryDemo>(context, mode == L"registry-mixed");
        PrintRect(registryDemo->Handle());
    } else if (mode == L"registry-backups") {
        tw::AddDemoBackups(machine);
        launcher.OpenModule(tw::Tool::RegistryCleaner);
        launcher.OpenModuleWindow()->BringToFront(3);
        PrintRect(launcher.OpenModuleWindow()->Handle());
    } else if (mode == L"startup" || mode == L"startup-add" || mode == L"startup-edit") {
        tw::AddDemoStartupEntries(machine, tw::DemoFile(L"startup-entries.reg"));
        launcher.OpenModule(tw::Tool::StartupManager);
        auto& window = static_cast<tw::TfrmStartup&>(*launcher.OpenModuleWindow());
        window.BringToFront(tw::TfrmStartup::kListPage);
        if (mode == L"startup") {
            PrintRect(window.Handle());
        } else {
            tw::ui::Dialog::SetShowHook([](tw::ui::Dialog& shown) { PrintRect(shown.Handle()); });
            window.ListControls().list->Select({1, std::nullopt});
            if (mode == L"startup-add")
                window.AddEntry();
            else
                window.EditSelected();
            return 0;
        }
    } else if (mode == L"tool" && argc > 2) {
        launcher.OpenModule(static_cast<tw::Tool>(_wtoi(argv[2])));
        if (argc > 3) launcher.OpenModuleWindow()->BringToFront(_wtoi(argv[3]));
        PrintRect(launcher.OpenModuleWindow()->Handle());
    }
    return tw::ui::RunMessageLoop();
}
