#include "splitter/splitter_window_win.h"

#include "ui/throttled_pump_win.h"

namespace tw {
namespace {

constexpr char kSelectDestination[] = "Select Destination Directory";

// Keeps the busy state and the disabled buttons tied to one scope, so a
// failing copy leaves the window usable.
class BusyScope {
public:
    BusyScope(bool& busy, std::initializer_list<ui::Button*> buttons) : busy_(busy), buttons_(buttons) {
        busy_ = true;
        for (auto* b : buttons_) b->Enable(false);
    }
    ~BusyScope() {
        for (auto* b : buttons_) b->Enable(true);
        busy_ = false;
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& busy_;
    std::vector<ui::Button*> buttons_;
};

}  // namespace

TfrmTweak::TfrmTweak(ShellContext& context) : ModuleWindow(Tool::FileSplitter, context) {
    BuildSplitPage();
    BuildJoinPage();
    // The frame placed its pages when it was sized; these came later.
    SendMessageW(Handle(), WM_SIZE, 0, 0);
}

TfrmTweak::~TfrmTweak() = default;

ui::Button* TfrmTweak::DefaultButton() {
    if (FrontPage() == kSplitPage) return split_.buttons.action.get();
    if (FrontPage() == kJoinPage) return join_.buttons.action.get();
    return nullptr;
}

LRESULT TfrmTweak::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Closing releases the window, which must wait until a running copy,
    // whose messages are flowing, has returned.
    if (message == WM_CLOSE && busy_) return 0;
    return ModuleWindow::HandleMessage(message, wParam, lParam);
}

void TfrmTweak::Connect(PathSections& paths, PageButtons& buttons, std::string_view helpTopic,
                        std::function<void()> browseFile, std::function<void()> action) {
    paths.browseFile->onClick = std::move(browseFile);
    paths.browseDestination->onClick = [this, &field = *paths.destination] {
        if (const auto folder = Context().pickers.BrowseFolder(kSelectDestination)) field.SetText(*folder);
    };
    buttons.help->onClick = [this, topic = std::string(helpTopic)] {
        Context().showHelp(reinterpret_cast<std::uintptr_t>(Handle()), topic);
    };
    buttons.action->onClick = std::move(action);
}

void TfrmTweak::RunCopy(const std::function<std::string(const std::function<void()>& pump)>& copy) {
    std::string notice;
    {
        BusyScope scope(busy_, {split_.buttons.action.get(), join_.buttons.action.get(), split_.paths.browseFile.get(),
                                join_.paths.browseFile.get()});
        notice = copy(ui::ThrottledPump());
    }
    Context().prompter.Notify(notice);
}

}  // namespace tw
