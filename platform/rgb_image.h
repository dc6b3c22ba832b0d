#pragma once
// A decoded picture: 8-bit RGB, rows top to bottom, 3 bytes per pixel, no padding.
// This is what the program hands to the window system to make a bitmap.
#include <cstdint>
#include <vector>

namespace platform {

struct RgbImage {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint8_t> pixels; // width * height * 3 bytes

    bool empty() const { return width <= 0 || height <= 0; }
};

} // namespace platform
