#pragma once
#include <cstdint>

namespace tw::ui {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The product's palette.
inline constexpr Rgb kPageBackground{216, 227, 248};
inline constexpr Rgb kTitleTop{126, 167, 228};
inline constexpr Rgb kTitleShadow{172, 168, 153};
inline constexpr Rgb kListTop{221, 221, 219};
inline constexpr Rgb kListBottom{235, 235, 235};
inline constexpr Rgb kHotRowFill{166, 202, 240};
inline constexpr Rgb kHotRowFrame{0, 0, 255};

}  // namespace tw::ui
