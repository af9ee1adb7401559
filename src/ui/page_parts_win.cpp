#include "ui/page_parts_win.h"

#include "ui/fonts_win.h"

namespace tw::ui {
namespace {

// The page's margins and its bottom row of buttons (96-DPI units).
constexpr int kLeft = 16, kRight = 574;
constexpr int kButtonTop = 500, kButtonHeight = 26, kButtonWidth = 86, kButtonGap = 12;
constexpr int kAboveButtons = 12;

}  // namespace

std::unique_ptr<Label> SectionHeading(Panel& page, int top, std::string_view text) {
    auto label = std::make_unique<Label>(page.At(16, top, 574, top + 18, kAnchorTopStretch), text);
    const HFONT bold = BoldFont(WindowDpi(page.Handle()));
    SendMessageW(label->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(bold), FALSE);
    return label;
}

FileField BuildFileField(Panel& page, int top, std::string_view browseCaption) {
    FileField f;
    f.path = std::make_unique<Edit>(page.At(16, top, 470, top + 22, kAnchorTopStretch), "");
    f.browse = std::make_unique<Button>(page.At(480, top - 1, 574, top + 23, kAnchorTopRight), browseCaption);
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

StatusRow BuildStatusRow(Panel& page, std::string_view startCaption) {
    StatusRow row;
    row.status = std::make_unique<Label>(page.At(16, 102, 470, 120, kAnchorTopStretch), "");
    row.start = std::make_unique<Button>(page.At(488, 96, 574, 122, kAnchorTopRight), startCaption);
    return row;
}

Placement ListArea(Panel& page, int top) {
    return page.At(kLeft, top, kRight, kButtonTop - kAboveButtons, kAnchorFill);
}

std::vector<std::unique_ptr<Button>> BuildButtonRow(Panel& page, std::initializer_list<RowButton> buttons) {
    std::vector<std::unique_ptr<Button>> row;
    const int count = static_cast<int>(buttons.size());
    int left = kRight - count * kButtonWidth - (count - 1) * kButtonGap;
    for (const RowButton& b : buttons) {
        const Placement at = page.At(left, kButtonTop, left + kButtonWidth, kButtonTop + kButtonHeight,
                                     kAnchorBottomRight);
        row.push_back(std::make_unique<Button>(at, b.caption, b.isDefault));
        left += kButtonWidth + kButtonGap;
    }
    return row;
}

PageButtons BuildPageButtons(Panel& page, std::string_view actionCaption, bool actionIsDefault) {
    auto row = BuildButtonRow(page, {{"&Help"}, {actionCaption, actionIsDefault}});
    return {std::move(row[0]), std::move(row[1])};
}

}  // namespace tw::ui
