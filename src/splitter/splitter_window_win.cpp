#include "splitter/splitter_window_win.h"

#include "suite/busy_scope_win.h"

namespace tw {
namespace {

constexpr char kSelectDestination[] = "Select Destination Directory";

}  // namespace

TfrmTweak::TfrmTweak(SuiteContext& context) : ModuleWindow(Tool::FileSplitter, context) {
    BuildSplitPage();
    BuildJoinPage();
}

void TfrmTweak::Connect(int page, ui::PathSections& paths, ui::PageButtons& buttons, std::string_view helpTopic,
                        std::function<void()> browseFile, std::function<void()> action) {
    paths.browseFile->onClick = std::move(browseFile);
    paths.browseDestination->onClick = [this, &field = *paths.destination] {
        if (const auto folder = Context().pickers.BrowseFolder(kSelectDestination)) field.SetText(*folder);
    };
    buttons.help->onClick = [this, topic = std::string(helpTopic)] { ShowHelp(topic); };
    buttons.action->onClick = std::move(action);
    SetDefaultButton(page, *buttons.action);
}

void TfrmTweak::RunCopy(const std::function<std::optional<std::string>(RunProgress& progress)>& copy) {
    // A close waits for the notice too: the window must outlive this click.
    const BusyScope click(*this, {});
    std::optional<std::string> notice;
    {
        const BusyScope run(*this, {split_.buttons.action.get(), join_.buttons.action.get(),
                                    split_.paths.browseFile.get(), join_.paths.browseFile.get()});
        notice = copy(Progress());
    }
    if (notice) Context().prompter.Notify(*notice);
}

}  // namespace tw
