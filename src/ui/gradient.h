#pragma once
#include <vector>

#include "ui/color.h"

namespace tw::ui {

// One horizontal band of a list's background: rows [top, bottom).
struct GradientBand {
    int top = 0;
    int bottom = 0;
    Rgb color;
};

// The list background: 251 bands over the given height, each bound and each
// colour increment rounded to the nearest integer, from (221,221,219) at the
// top to (235,235,235) at the bottom. Band 250 starts at the height and
// lies below the list, where drawing clips it.
std::vector<GradientBand> ListGradientBands(int height);

// A vertical blend from top to bottom colour for a band of the given height:
// the colour of row y (0-based).
Rgb BlendRow(Rgb top, Rgb bottom, int y, int height);

}  // namespace tw::ui
