#pragma once
#include <memory>
#include <string_view>

#include "ui/panel_win.h"

namespace tw {

// Buttons beside a field keep to the page's right edge.
inline constexpr ui::Anchors kAnchorTopRight{false, true, true, false};

// A section header of a page: bold, across the page's width.
std::unique_ptr<ui::Label> SectionHeading(ui::Panel& page, int top, std::string_view text);

// The two sections both pages begin with: the file to work on and the
// destination folder, each a field with its browse button.
struct PathSections {
    std::unique_ptr<ui::Label> fileHeading, destinationHeading;
    std::unique_ptr<ui::Edit> file, destination;
    std::unique_ptr<ui::Button> browseFile, browseDestination;
};
PathSections BuildPathSections(ui::Panel& page, int top, std::string_view fileHeading);

// "&Help" and the page's own action, at the bottom right.
struct PageButtons {
    std::unique_ptr<ui::Button> help, action;
};
PageButtons BuildPageButtons(ui::Panel& page, std::string_view actionCaption);

}  // namespace tw
