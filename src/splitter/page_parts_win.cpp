#include "splitter/page_parts_win.h"

#include "ui/fonts_win.h"

namespace tw {

std::unique_ptr<ui::Label> SectionHeading(ui::Panel& page, int top, std::string_view text) {
    auto label = std::make_unique<ui::Label>(page.At(16, top, 574, top + 18, ui::kAnchorTopStretch), text);
    const HFONT bold = ui::BoldFont(ui::WindowDpi(page.Handle()));
    SendMessageW(label->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(bold), FALSE);
    return label;
}

PathSections BuildPathSections(ui::Panel& page, int top, std::string_view fileHeading) {
    PathSections s;
    s.fileHeading = SectionHeading(page, top, fileHeading);
    s.file = std::make_unique<ui::Edit>(page.At(16, top + 24, 470, top + 46, ui::kAnchorTopStretch), "");
    s.browseFile = std::make_unique<ui::Button>(page.At(480, top + 23, 574, top + 47, kAnchorTopRight), "&Browse...");
    s.destinationHeading = SectionHeading(page, top + 62, "   Destination Directory");
    s.destination = std::make_unique<ui::Edit>(page.At(16, top + 86, 470, top + 108, ui::kAnchorTopStretch), "");
    s.browseDestination =
        std::make_unique<ui::Button>(page.At(480, top + 85, 574, top + 109, kAnchorTopRight), "B&rowse...");
    return s;
}

PageButtons BuildPageButtons(ui::Panel& page, std::string_view actionCaption) {
    PageButtons b;
    b.help = std::make_unique<ui::Button>(page.At(390, 500, 476, 526, ui::kAnchorBottomRight), "&Help");
    b.action = std::make_unique<ui::Button>(page.At(488, 500, 574, 526, ui::kAnchorBottomRight), actionCaption, true);
    return b;
}

}  // namespace tw
