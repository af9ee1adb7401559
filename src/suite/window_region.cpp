#include "suite/window_region.h"

#include <algorithm>

namespace tw {

std::vector<PixelRect> TransparentRuns(std::span<const std::uint8_t> bgr, int width, int height, int stride) {
    std::vector<PixelRect> runs;
    if (width <= 0 || height <= 0 || bgr.size() < static_cast<std::size_t>(stride) * (height - 1) + width * 3u) return runs;
    const std::uint8_t* key = bgr.data();
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = bgr.data() + static_cast<std::size_t>(y) * stride;
        int start = -1;
        for (int x = 0; x < width; ++x) {
            const bool transparent = std::equal(row + x * 3, row + x * 3 + 3, key);
            if (transparent && start < 0) {
                start = x;
            } else if (!transparent && start >= 0) {
                runs.push_back({start, y, x, y + 1});
                start = -1;
            }
        }
        if (start >= 0) runs.push_back({start, y, width, y + 1});
    }
    return runs;
}

}  // namespace tw
