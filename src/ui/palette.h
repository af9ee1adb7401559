#pragma once
#include "ui/color.h"

namespace tw::ui {

// The colours the system holds for the user's own scheme.
struct SystemColours {
    Rgb window, windowText, highlight, highlightText, buttonFace, grayText, hotLight;
};

// What a painted colour is for. Under high contrast the purpose, not the
// product's colour, decides: the user's scheme must win everywhere.
enum class Ink {
    Surface,        // page, list and panel backgrounds
    Text,           // ordinary text, frames of boxes
    Band,           // title bands and group headers
    BandText,       // text on a band
    Selection,      // hot and selected rows
    SelectionText,  // text on a selection
    Frame,          // the hot row's frame
    Control,        // the task column and the splitter
    DimText,        // tree lines, shadows
    Link,           // task items and link labels
};

class Palette {
public:
    // The product's own look.
    Palette() = default;
    // The user's high-contrast scheme.
    explicit Palette(const SystemColours& system) : highContrast_(true), system_(system) {}

    bool HighContrast() const { return highContrast_; }
    // Gradients, shadows and pictures drawn in fixed colours are for the
    // product's look only.
    bool Blends() const { return !highContrast_; }
    // The product's colour for this ink, or the scheme's under high contrast.
    Rgb Pick(Ink ink, Rgb product) const;

private:
    bool highContrast_ = false;
    SystemColours system_{};
};

}  // namespace tw::ui
