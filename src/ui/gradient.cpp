#include "ui/gradient.h"

#include <cmath>

namespace tw::ui {
namespace {

int RoundedRatio(long long numerator, long long denominator) {
    return static_cast<int>(std::lround(static_cast<double>(numerator) / static_cast<double>(denominator)));
}

}  // namespace

std::vector<GradientBand> ListGradientBands(int height) {
    constexpr int kSteps = 250;
    std::vector<GradientBand> bands;
    bands.reserve(kSteps + 1);
    for (int i = 0; i <= kSteps; ++i) {
        const auto grey = static_cast<std::uint8_t>(kListTop.r + RoundedRatio(i * 14LL, kSteps));
        const auto blue = static_cast<std::uint8_t>(kListTop.b + RoundedRatio(i * 16LL, kSteps));
        bands.push_back({RoundedRatio(static_cast<long long>(i) * height, kSteps),
                         RoundedRatio(static_cast<long long>(i + 1) * height, kSteps), Rgb{grey, grey, blue}});
    }
    return bands;
}

Rgb BlendRow(Rgb top, Rgb bottom, int y, int height) {
    if (height <= 1) return top;
    auto mix = [&](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(a + RoundedRatio(static_cast<long long>(b - a) * y, height - 1));
    };
    return {mix(top.r, bottom.r), mix(top.g, bottom.g), mix(top.b, bottom.b)};
}

}  // namespace tw::ui
