#pragma once
#include <initializer_list>
#include <memory>
#include <string_view>

#include "ui/icon_button_win.h"
#include "ui/panel_win.h"

namespace tw::ui {

// The pieces working pages are built of, at the places every page puts them
// (96-DPI units of the 590-wide page).

// A line of the page's width: a heading, a check box, a text.
Placement AcrossPage(Panel& page, int top, int height);

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

// A status line just under the page's description (whose bottom is given),
// with the page's start button at its right, as the pages that list what a
// search found have them. The line reaches the button: a path of 80
// characters needs nearly all of it.
void BuildStatusRow(Panel& page, int descriptionBottom, std::string_view startCaption,
                    std::unique_ptr<Label>& status, std::unique_ptr<Button>& start);
// The same with a start button that shows a picture beside its caption.
void BuildStatusRow(Panel& page, int descriptionBottom, const IconButton::Args& startArgs,
                    std::unique_ptr<Label>& status, std::unique_ptr<IconButton>& start);

// Where a list under the status row starts.
int BelowStatusRow(int descriptionBottom);
// A page's list: across the page from top down to above the bottom buttons.
Placement ListArea(Panel& page, int top);

// One button of a bottom row: where it goes and what it says.
struct RowButton {
    std::unique_ptr<Button>& button;
    std::string_view caption;
    bool isDefault = false;
};
// Buttons along the page's bottom right, left to right as given, the last
// at the page's right edge, all of one size at one pitch.
void BuildButtonRow(Panel& page, std::initializer_list<RowButton> buttons);

// "&Help" and the page's own action, as pages that hand them on together
// keep them (filled by BuildButtonRow).
struct PageButtons {
    std::unique_ptr<Button> help, action;
};

}  // namespace tw::ui
