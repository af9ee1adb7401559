#include "ui/palette.h"

namespace tw::ui {

Rgb Palette::Pick(Ink ink, Rgb product) const {
    if (!highContrast_) return product;
    switch (ink) {
        case Ink::Surface: return system_.window;
        case Ink::Text: return system_.windowText;
        case Ink::Band: return system_.highlight;
        case Ink::BandText: return system_.highlightText;
        case Ink::Selection: return system_.highlight;
        case Ink::SelectionText: return system_.highlightText;
        case Ink::Frame: return system_.windowText;
        case Ink::Control: return system_.buttonFace;
        case Ink::DimText: return system_.grayText;
        case Ink::Link: return system_.hotLight;
    }
    return system_.windowText;
}

}  // namespace tw::ui
