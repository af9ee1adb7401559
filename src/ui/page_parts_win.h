#pragma once
#include <memory>
#include <string_view>

#include "ui/panel_win.h"

namespace tw::ui {

// The pieces working pages are built of, at the places every page puts them
// (96-DPI units of the 590-wide page).

// A section header of a page: bold, across the page's width.
std::unique_ptr<Label> SectionHeading(Panel& page, int top, std::string_view text);

// A field for a path with its "..." button beside it, keeping to the
// page's right edge.
struct FileField {
    std::unique_ptr<Edit> path;
    std::unique_ptr<Button> browse;
};
FileField BuildFileField(Panel& page, int top, std::string_view browseCaption);

// Two sections: the file to work on and the destination folder, each a
// heading over a file field.
struct PathSections {
    std::unique_ptr<Label> fileHeading, destinationHeading;
    std::unique_ptr<Edit> file, destination;
    std::unique_ptr<Button> browseFile, browseDestination;
};
PathSections BuildPathSections(Panel& page, int top, std::string_view fileHeading);

// "&Help" and the page's own action, at the bottom right; the action is the
// page's default button unless said otherwise.
struct PageButtons {
    std::unique_ptr<Button> help, action;
};
PageButtons BuildPageButtons(Panel& page, std::string_view actionCaption, bool actionIsDefault = true);

}  // namespace tw::ui
