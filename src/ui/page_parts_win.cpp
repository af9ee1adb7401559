#include "ui/page_parts_win.h"

#include "ui/fonts_win.h"

namespace tw::ui {

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

PageButtons BuildPageButtons(Panel& page, std::string_view actionCaption, bool actionIsDefault) {
    PageButtons b;
    b.help = std::make_unique<Button>(page.At(390, 500, 476, 526, kAnchorBottomRight), "&Help");
    b.action =
        std::make_unique<Button>(page.At(488, 500, 574, 526, kAnchorBottomRight), actionCaption, actionIsDefault);
    return b;
}

}  // namespace tw::ui
