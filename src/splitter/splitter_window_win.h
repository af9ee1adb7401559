#pragma once
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "suite/module_window_win.h"
#include "ui/page_parts_win.h"

namespace tw {

// The File Splitter window: the split page (2) and the join page (4).
class TfrmTweak : public ModuleWindow {
public:
    struct SplitPage {
        std::unique_ptr<ui::Label> sizeHeading, megabytes;
        ui::PathSections paths;  // the source file and the destination
        std::array<std::unique_ptr<ui::RadioButton>, 8> sizes;
        std::unique_ptr<ui::Edit> customSize;
        ui::PageButtons buttons;  // "&Help" and "&Split"
    };
    struct JoinPage {
        std::unique_ptr<ui::Label> informationHeading;
        ui::PathSections paths;  // the chosen piece and the destination
        std::unique_ptr<ui::Label> nameCaption, sizeCaption, countCaption, name, size, count;
        ui::PageButtons buttons;  // "&Help" and "&Join"
    };
    static constexpr int kSplitPage = 2;
    static constexpr int kJoinPage = 4;

    explicit TfrmTweak(SuiteContext& context);

    // The pages' controls, so tests drive them as the user's clicks do.
    SplitPage& SplitControls() { return split_; }
    JoinPage& JoinControls() { return join_; }
    std::size_t SelectedSize() const;

private:
    void BuildSplitPage();
    void BuildJoinPage();
    void BuildSizeChoices(ui::Panel& page);
    void SizeChoiceChanged();
    // The handlers both pages share: the destination's folder browser and help.
    void Connect(int page, ui::PathSections& paths, ui::PageButtons& buttons, std::string_view helpTopic,
                 std::function<void()> browseFile, std::function<void()> action);
    void BrowseSourceClick();
    void SplitClick();
    void BrowsePieceClick();
    void JoinClick();
    void RefreshJoinInformation();
    // Runs a copy with the window's messages flowing, its action buttons
    // disabled and closing held off, then shows the notice it returns.
    void RunCopy(const std::function<std::optional<std::string>(RunProgress& progress)>& copy);

    SplitPage split_;
    JoinPage join_;
};

}  // namespace tw
