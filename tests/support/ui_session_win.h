#pragma once
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include "platform/memory/memory_platform.h"
#include "platform/random.h"
#include "platform/win32/owner_window_win.h"
#include "services/scripted_prompter.h"
#include "suite/artwork_win.h"
#include "suite/module_window_win.h"
#include "suite/suite_context.h"
#include "support/scripted_pickers.h"
#include "ui/message_loop_win.h"
#include "ui/window_win.h"

namespace tw {

// What a window test needs: common controls and GDI+ for the whole run.
class UiEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        artwork_ = std::make_unique<ArtworkSession>();
    }
    void TearDown() override { artwork_.reset(); }

private:
    std::unique_ptr<ArtworkSession> artwork_;
};

// A window test's machine: the memory platform behind a real SuiteContext,
// with every question answered by script. Errors a window procedure caught
// fail the test.
class UiTest : public ::testing::Test {
protected:
    UiTest() {
        ui::SetErrorHandler([](const std::string& text) { ADD_FAILURE() << "error reported: " << text; });
    }
    ~UiTest() override { ui::SetErrorHandler(nullptr); }
    // Lets posted messages (deferred releases, repaints) run.
    static void Settle() { ui::PumpMessages(); }

    MemoryPlatform machine;
    SettingsStore settings{machine.registry};
    ScriptedPrompter prompter;
    ScriptedPickers pickers;
    SeededRandom random{42};
    std::vector<std::pair<OwnerWindow, std::string>> helpShown;
    SuiteContext context{machine.Bundle(), settings, prompter, pickers, random,
                         [this](OwnerWindow owner, std::string_view topic) { helpShown.emplace_back(owner, topic); }};
};

// The pages of a tool window that are on screen, by number: a shown window
// has exactly one, its front page.
inline std::vector<int> VisiblePages(ModuleWindow& window) {
    std::vector<int> visible;
    for (int page = 1; page <= 8; ++page)
        if (ui::Panel* panel = window.Page(page); panel && IsWindowVisible(panel->Handle())) visible.push_back(page);
    return visible;
}

// A tool window as the launcher hands it over: built, then opened with
// `page` in front.
template <typename ToolWindow>
std::unique_ptr<ToolWindow> OpenTool(SuiteContext& context, int page) {
    auto window = std::make_unique<ToolWindow>(context);
    window->Open(page);
    return window;
}

// Registers the environment once per test binary that includes this header.
inline const auto* const kUiEnvironment = ::testing::AddGlobalTestEnvironment(new UiEnvironment);

}  // namespace tw
