#include "ui/page_parts_win.h"

#include "ui/fonts_win.h"

namespace tw::ui {
namespace {

// 96-DPI units of the 590-wide page: its margins, then the buttons' size and
// spacing, the gap between buttons also the one above the bottom row.
constexpr int kPageLeft = 16, kPageRight = 574;
constexpr int kButtonTop = 500, kButtonWidth = 86, kButtonHeight = 26, kButtonGap = 12;
constexpr int kButtonPitch = kButtonWidth + kButtonGap;
// The status row: the start button at the right a little under the
// description, the text's line level with its caption.
constexpr int kStartBelowDescription = 6, kStartLeft = kPageRight - kButtonWidth;
constexpr int kStatusBelowStart = 6, kStatusHeight = 18;

int StartTop(int descriptionBottom) { return descriptionBottom + kStartBelowDescription; }

Placement StatusPlace(Panel& page, int descriptionBottom) {
    const int top = StartTop(descriptionBottom) + kStatusBelowStart;
    return page.At(kPageLeft, top, kStartLeft - 6, top + kStatusHeight, kAnchorTopStretch);
}

Placement StartPlace(Panel& page, int descriptionBottom) {
    const int top = StartTop(descriptionBottom);
    return page.At(kStartLeft, top, kPageRight, top + kButtonHeight, kAnchorTopRight);
}

}  // namespace

Placement AcrossPage(Panel& page, int top, int height) {
    return page.At(kPageLeft, top, kPageRight, top + height, kAnchorTopStretch);
}

std::unique_ptr<Label> SectionHeading(Panel& page, int top, std::string_view text) {
    auto label = Make<Label>(AcrossPage(page, top, 18), {.text = text});
    const HFONT bold = BoldFont(WindowDpi(page.Handle()));
    SendMessageW(label->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(bold), FALSE);
    return label;
}

FileField BuildFileField(Panel& page, int top, std::string_view browseCaption) {
    FileField f;
    f.path = Make<Edit>(page.At(16, top, 470, top + 22, kAnchorTopStretch), {});
    f.browse = Make<Button>(page.At(480, top - 1, 574, top + 23, kAnchorTopRight), {.caption = browseCaption});
    return f;
}

PathSections BuildPathSections(Panel& page, int top, std::string_view fileHeading) {
    PathSections s;
    s.fileHeading = SectionHeading(page, top, fileHeading);
    auto file = BuildFileField(page, top + 24, "&Browse...");
    s.destinationHeading = SectionHeading(page, top + 62, "   Destination Directory");
    auto destination = BuildFileField(page, top + 86, "B&rowse...");
    s.file = std::move(file.path);
    s.browseFile = std::move(file.browse);
    s.destination = std::move(destination.path);
    s.browseDestination = std::move(destination.browse);
    return s;
}

void BuildStatusRow(Panel& page, int descriptionBottom, std::string_view startCaption,
                    std::unique_ptr<Label>& status, std::unique_ptr<Button>& start) {
    status = Make<Label>(StatusPlace(page, descriptionBottom), {});
    start = Make<Button>(StartPlace(page, descriptionBottom), {.caption = startCaption});
}

void BuildStatusRow(Panel& page, int descriptionBottom, const IconButton::Args& startArgs,
                    std::unique_ptr<Label>& status, std::unique_ptr<IconButton>& start) {
    status = Make<Label>(StatusPlace(page, descriptionBottom), {});
    start = Make<IconButton>(StartPlace(page, descriptionBottom), startArgs);
}

int BelowStatusRow(int descriptionBottom) { return StartTop(descriptionBottom) + kButtonHeight + 8; }

Placement ListArea(Panel& page, int top) {
    return page.At(kPageLeft, top, kPageRight, kButtonTop - kButtonGap, kAnchorFill);
}

void BuildButtonRow(Panel& page, std::initializer_list<RowButton> buttons) {
    int left = kPageRight - kButtonWidth - kButtonPitch * static_cast<int>(buttons.size() - 1);
    for (const RowButton& b : buttons) {
        const Placement at = page.At(left, kButtonTop, left + kButtonWidth, kButtonTop + kButtonHeight, kAnchorBottomRight);
        b.button = Make<Button>(at, {.caption = b.caption, .isDefault = b.isDefault});
        left += kButtonPitch;
    }
}

}  // namespace tw::ui
