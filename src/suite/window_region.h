#pragma once
#include <cstdint>
#include <span>
#include <vector>

namespace tw {

struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The runs of key-coloured pixels that a picture's window region leaves out.
// The picture is 24-bit rows of blue, green, red bytes (stride bytes apart,
// top row first); the key colour is its top-left pixel. Each run is one row
// high and ends at the first pixel of another colour or at the row's end.
std::vector<PixelRect> TransparentRuns(std::span<const std::uint8_t> bgr, int width, int height, int stride);

}  // namespace tw
