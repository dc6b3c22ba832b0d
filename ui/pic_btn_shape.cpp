#include "ui/pic_btn_shape.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace ui {

std::vector<platform::Rect> opaque_runs(const platform::RgbImage& picture,
                                        platform::Rgb transparent) {
    std::vector<platform::Rect> runs;
    if (picture.empty()) return runs;
    const auto width = static_cast<std::size_t>(picture.width);
    // A picture whose pixel buffer is short has no shape beyond the rows it really holds.
    const std::size_t rows = picture.pixels.size() / (width * 3);
    const std::size_t height = std::min(rows, static_cast<std::size_t>(picture.height));
    for (std::size_t y = 0; y < height; ++y) {
        const std::uint8_t* row = picture.pixels.data() + y * width * 3;
        auto is_opaque = [&](std::size_t x) {
            const std::uint8_t* pixel = row + x * 3;
            return pixel[0] != transparent.red || pixel[1] != transparent.green ||
                   pixel[2] != transparent.blue;
        };
        std::size_t x = 0;
        while (x < width) {
            while (x < width && !is_opaque(x))
                ++x;
            const std::size_t start = x;
            while (x < width && is_opaque(x))
                ++x;
            if (x > start) {
                runs.push_back({static_cast<std::int32_t>(start), static_cast<std::int32_t>(y),
                                static_cast<std::int32_t>(x), static_cast<std::int32_t>(y + 1)});
            }
        }
    }
    return runs;
}

} // namespace ui
