#pragma once
#include <initializer_list>
#include <memory>
#include <string_view>
#include <vector>

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

// A status line under the description with the page's start button at its
// right, as the pages that list what a search found have them.
struct StatusRow {
    std::unique_ptr<Label> status;
    std::unique_ptr<Button> start;
};
StatusRow BuildStatusRow(Panel& page, std::string_view startCaption);

// A list or view of a page, from `top` down to just above the buttons,
// growing with the page.
Placement ListArea(Panel& page, int top);

// A button of a row, and whether Enter presses it.
struct RowButton {
    std::string_view caption;
    bool isDefault = false;
};
// The page's buttons side by side at its bottom right, left to right as
// given ("&Help" first where the page has it), one pitch apart.
std::vector<std::unique_ptr<Button>> BuildButtonRow(Panel& page, std::initializer_list<RowButton> buttons);

// "&Help" and the page's own action, at the bottom right; the action is the
// page's default button unless said otherwise.
struct PageButtons {
    std::unique_ptr<Button> help, action;
};
PageButtons BuildPageButtons(Panel& page, std::string_view actionCaption, bool actionIsDefault = true);

}  // namespace tw::ui
