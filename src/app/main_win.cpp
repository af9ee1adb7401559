#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "app/module_factory_win.h"
#include "platform/win32/owner_window_win.h"
#include "platform/win32/random_win.h"
#include "platform/win32/system_library_win.h"
#include "platform/win32/win32_platform.h"
#include "suite/about_win.h"
#include "suite/artwork_win.h"
#include "suite/help_viewer.h"
#include "suite/help_viewer_win.h"
#include "suite/launcher_win.h"
#include "ui/message_loop_win.h"
#include "ui/pickers_win.h"
#include "ui/prompter_win.h"

namespace {

// The general error handler: every error a window procedure or the message
// loop caught ends here.
void ShowError(const std::string& text) { tw::ui::ShowErrorBox(GetActiveWindow(), text); }

int Run() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES |
                                                        ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    tw::ui::SetErrorHandler(ShowError);
    tw::ArtworkSession artwork;

    tw::Win32Platform win32;
    tw::SettingsStore settings(win32.registry);
    tw::ui::MessageBoxPrompter prompter;
    tw::ui::DialogPickers pickers;
    tw::Win32Random random;
    tw::HelpViewer help(tw::HelpFilePath(win32.files.ExecutableFolder()));
    tw::SuiteContext context{win32.Bundle(), settings, prompter, pickers, random,
                             [&help](tw::OwnerWindow owner, std::string_view topic) {
                                 help.ShowTopic(tw::win32::ToHwnd(owner), topic);
                             }};

    tw::TfrmAbout about(context);
    tw::TfrmMain* launcherPointer = nullptr;
    tw::TfrmMain launcher(context, tw::CreateModuleWindow,
                          [&] { about.ShowModal(launcherPointer ? launcherPointer->Handle() : nullptr); });
    launcherPointer = &launcher;
    prompter.SetOwner(launcher.Handle());
    pickers.SetOwner(launcher.Handle());
    launcher.Show();
    const int exitCode = tw::ui::RunMessageLoop();
    ShowWindow(launcher.Handle(), SW_HIDE);
    return exitCode;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Before anything loads a DLL: with administrator rights, a file planted
    // beside the program or in the current folder must never be run.
    tw::win32::RestrictDllSearchToSystemFolder();
    try {
        return Run();
    } catch (const std::exception& e) {
        ShowError(e.what());
        return 1;
    }
}
