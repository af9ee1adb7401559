#include "ui/page_parts_win.h"

#include "ui/fonts_win.h"

namespace tw::ui {

std::unique_ptr<Label> SectionHeading(Panel& page, int top, std::string_view text) {
    auto label = Make<Label>(page.At(16, top, 574, top + 18, kAnchorTopStretch), {.text = text});
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

StatusRow BuildStatusRow(Panel& page, std::string_view startCaption) {
    StatusRow row;
    row.status = Make<Label>(page.At(16, 102, 470, 120, kAnchorTopStretch), {});
    row.start = Make<Button>(page.At(488, 96, 574, 122, kAnchorTopRight), {.caption = startCaption});
    return row;
}

PageButtons BuildPageButtons(Panel& page, std::string_view actionCaption, bool actionIsDefault) {
    PageButtons b;
    b.help = Make<Button>(page.At(390, 500, 476, 526, kAnchorBottomRight), {.caption = "&Help"});
    b.action = Make<Button>(page.At(488, 500, 574, 526, kAnchorBottomRight),
                            {.caption = actionCaption, .isDefault = actionIsDefault});
    return b;
}

}  // namespace tw::ui
